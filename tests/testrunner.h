#pragma once

#include <QObject>

#include <functional>
#include <memory>

// Lets one test executable per folder run several Qt Test classes: each test file registers its
// class with CYCLARA_TEST, and the folder's main runs them all.
namespace cyclara::test {

using TestFactory = std::function<std::unique_ptr<QObject>()>;

struct Registration {
    explicit Registration(TestFactory factory);
};

int runAll(int argc, char *argv[]);

} // namespace cyclara::test

#define CYCLARA_TEST(Class)                                                                        \
    static const cyclara::test::Registration registration##Class                                   \
    {                                                                                              \
        [] {                                                                                       \
            return std::unique_ptr<QObject>(new Class);                                            \
        }                                                                                          \
    }
