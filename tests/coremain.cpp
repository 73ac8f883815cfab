#include "testrunner.h"

#include <QCoreApplication>

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    return cyclara::test::runAll(argc, argv);
}
