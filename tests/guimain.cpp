#include "testrunner.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    return cyclara::test::runAll(argc, argv);
}
