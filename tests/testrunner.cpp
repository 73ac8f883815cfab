#include "testrunner.h"

#include <QTest>

#include <vector>

namespace cyclara::test {

namespace {

std::vector<TestFactory> &factories()
{
    static std::vector<TestFactory> all;
    return all;
}

} // namespace

Registration::Registration(TestFactory factory)
{
    factories().push_back(std::move(factory));
}

int runAll(int argc, char *argv[])
{
    int failed = 0;
    for (const auto &factory : factories()) {
        const auto testObject = factory();
        failed += QTest::qExec(testObject.get(), argc, argv);
    }
    return failed;
}

} // namespace cyclara::test
