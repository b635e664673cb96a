// SPDX-License-Identifier: GPL-3.0-or-later
#include "codetables/codes.h"

#include "app/mainwindow.h"
#include "codetables/core/codetable.h"
#include "ui_mainwindow.h"

#include <QComboBox>
#include <QIcon>
#include <QVariant>

namespace {

void fillComboBox(QComboBox* box, const QString& tablePath)
{
    const QList<CodeRow> rows = readCodeTable(tablePath);
    for (const CodeRow& row : rows)
        box->insertItem(box->count(), QIcon(), row.text, QVariant(row.code));
}

} // namespace

codes::codes() = default;

void codes::setupComboBoxes()
{
    dofrom();
    doto();
    dotx();
    dolang();
    dofor();
    domode();
}

void codes::dofrom()
{
    fillComboBox(tmw->ui->cbFrom, QStringLiteral(":/codetables/from.tsv"));
}

void codes::doto()
{
    fillComboBox(tmw->ui->cbTo, QStringLiteral(":/codetables/to.tsv"));
}

void codes::dotx()
{
    fillComboBox(tmw->ui->cbTx, QStringLiteral(":/codetables/tx.tsv"));
}

void codes::dolang()
{
    fillComboBox(tmw->ui->cbLang, QStringLiteral(":/codetables/lang.tsv"));
}

void codes::dofor()
{
    fillComboBox(tmw->ui->cbFor, QStringLiteral(":/codetables/foreign.tsv"));
}

void codes::domode()
{
    fillComboBox(tmw->ui->cbMode, QStringLiteral(":/codetables/mode.tsv"));
}
