// SPDX-FileCopyrightText: 2026 The Cyclara developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "model/queryproblems.h"

#include <QCoreApplication>

namespace cyclara {

QString queryProblemMessage(QueryProblem problem)
{
    switch (problem) {
    case QueryProblem::BirthDate:
        return QCoreApplication::translate("QueryProblems", "生日填写有误, 请重新填写");
    case QueryProblem::QueryDate:
        return QCoreApplication::translate("QueryProblems", "查询日期填写有误, 请重新填写");
    case QueryProblem::QueryBeforeBirth:
        return QCoreApplication::translate("QueryProblems", "查询日期应该在生日之后, 请重新填写.");
    }
    Q_UNREACHABLE();
}

QString queryProblemLine(QueryProblem problem)
{
    switch (problem) {
    case QueryProblem::BirthDate:
        //: On the command line: the birth date names no day
        return QCoreApplication::translate("QueryProblems", "生日不是有效的日期");
    case QueryProblem::QueryDate:
        return QCoreApplication::translate("QueryProblems", "表格超出了 100 年至 9999 年的范围");
    case QueryProblem::QueryBeforeBirth:
        return QCoreApplication::translate("QueryProblems", "生日在查询日期之后");
    }
    Q_UNREACHABLE();
}

} // namespace cyclara
