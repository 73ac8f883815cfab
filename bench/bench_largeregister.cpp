// SPDX-FileCopyrightText: 2026 The Cyclara developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "benchwindow.h"
#include "register/birthfile.h"
#include "register/birthtext.h"
#include "sampleregister.h"
#include "ui/biorhythmwindow.h"

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QPixmap>
#include <QTemporaryDir>
#include <QTest>

#include <benchmark/benchmark.h>

namespace {

using namespace cyclara;

constexpr int largeRegister = 100000;

struct LargeRegisterFile {
    LargeRegisterFile()
    {
        path = dir.filePath(QStringLiteral("birth.ini"));
        written = dir.isValid() &&
                  !writeBirthFile(path, formatBirthText(bench::sampleRegister(largeRegister)));
    }
    QTemporaryDir dir;
    QString path;
    bool written = false;
};

// From the window's creation until it is painted and can be used, with a register that has grown
// to 100,000 people: the file read, the name list filled, the first query run.
void BM_StartWithLargeRegister(benchmark::State &state)
{
    const LargeRegisterFile file;
    if (!file.written) {
        state.SkipWithError("cannot write the register file");
        return;
    }
    for (auto _ : state) {
        int messages = 0;
        BiorhythmWindow window(bench::quietServices(file.path, messages));
        window.show();
        const QPixmap frame = window.grab();
        QApplication::processEvents();
        if (frame.isNull() || window.personName->count() != largeRegister) {
            state.SkipWithError("the window did not start with the whole register");
            break;
        }
        state.PauseTiming(); // closing saves the register, which is not part of the start
        window.close();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_StartWithLargeRegister)->Unit(benchmark::kMillisecond)->UseRealTime();

// One key typed into the name field with 100,000 names in its list.
void BM_TypeNameWithLargeRegister(benchmark::State &state)
{
    const LargeRegisterFile file;
    int messages = 0;
    BiorhythmWindow window(bench::quietServices(file.path, messages));
    if (!bench::showAndWait(window)) {
        state.SkipWithError("the window was never shown");
        return;
    }
    window.personName->setFocus();
    window.personName->lineEdit()->clear();
    for (auto _ : state) {
        QTest::keyClick(window.personName, 'a');
        QApplication::processEvents();
        if (window.personName->currentText().size() > 100)
            window.personName->lineEdit()->clear();
    }
    window.close();
}
BENCHMARK(BM_TypeNameWithLargeRegister)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace
