// SPDX-License-Identifier: GPL-3.0-or-later
// Arbitrary bytes as a schedule file: through the line format's split and join, and through the
// loader as a picked file. Aborts when a line does not come back as it went in.
#include "frequencycolumn.h"
#include "mainwindow.h"
#include "scheduleformat.h"
#include "ui_mainwindow.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QMessageBox>
#include <QTemporaryDir>

#include <cstdint>
#include <cstdlib>

namespace {

// Closes each message box as soon as it shows and counts them.
class BoxCloser : public QObject
{
public:
    int shown = 0;

protected:
    bool eventFilter(QObject* object, QEvent* event) override
    {
        if (event->type() == QEvent::Show && object->inherits("QMessageBox")) {
            ++shown;
            QMetaObject::invokeMethod(static_cast<QMessageBox*>(object), &QDialog::accept, Qt::QueuedConnection);
        }
        return false;
    }
};

struct Loader
{
    QTemporaryDir home;
    QString picked;
    BoxCloser boxes;
    MainWindow* window = nullptr;
};

Loader* loader = nullptr;

void require(bool condition)
{
    if (!condition)
        std::abort();
}

QStringList splitFields(QStringView line)
{
    ScheduleFields parts;
    const int count = splitScheduleLine(line, parts);
    QStringList fields;
    for (int index = 0; index < count; ++index)
        fields.append(parts[index].toString());
    return fields;
}

QList<QStringList> fileRows(const QByteArray& bytes)
{
    QList<QStringList> rows;
    const QString text = decodeScheduleText(bytes);
    for (QStringView line : scheduleLines(text))
        rows.append(splitFields(line));
    return rows;
}

QStringList firstFields(const QStringList& fields, int columns)
{
    QStringList first;
    for (int column = 0; column < columns; ++column)
        first.append(fields.value(column));
    return first;
}

// A line joined and split again gives its fields, and the lines of the rows that can be saved,
// read again, give those rows.
void checkRoundTrip(const QByteArray& bytes)
{
    QList<QStringList> savable;
    QString savedText;
    for (const QStringList& fields : fileRows(bytes)) {
        QString joined = scheduleLine(fields, int(fields.size()));
        require(joined.endsWith(QLatin1String(";\n")));
        joined.chop(1);
        // the ";" after the last field opens one more, empty, up to the ninth
        require(splitFields(joined) == firstFields(fields, qMin(int(fields.size()) + 1, orvaneColumns)));
        if (frequencyValue(fields.value(0)) > 0) {
            savable.append(firstFields(fields, orvaneColumns));
            savedText += scheduleLine(fields, orvaneColumns);
        }
    }
    QList<QStringList> reread;
    for (const QStringList& fields : fileRows(savedText.toUtf8()))
        reread.append(firstFields(fields, orvaneColumns));
    require(reread == savable);
}

// The loader takes the file's lines into the table, or refuses it with a box and keeps the table.
void checkPickedLoad(const QByteArray& bytes)
{
    QFile file(loader->picked);
    require(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    require(file.write(bytes) == bytes.size());
    file.close();

    QTableWidget* table = loader->window->ui->thetable;
    const int rowsBefore = table->rowCount();
    const int boxesBefore = loader->boxes.shown;
    loader->window->getdbfile(loader->picked);
    if (!isOrvaneFirstLine(bytes.left(firstLineLimit + 2))) {
        require(loader->boxes.shown == boxesBefore + 1 && table->rowCount() == rowsBefore);
        return;
    }
    const QList<QStringList> rows = fileRows(bytes);
    require(loader->boxes.shown == boxesBefore && table->rowCount() == rows.size());
    for (int row = 0; row < rows.size(); ++row) {
        QStringList cells;
        for (int column = 0; column < orvaneColumns; ++column)
            cells.append(loader->window->getTableItem(row, column));
        require(cells == firstFields(rows.at(row), orvaneColumns));
    }
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    loader = new Loader;
    qputenv("HOME", QFile::encodeName(loader->home.path()));
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(loader->home.path() + QStringLiteral("/.config")));
    // an empty start-up schedule, so the window opens without a box
    QDir(loader->home.path()).mkdir(QStringLiteral("Documents"));
    QFile(loader->home.path() + QStringLiteral("/Documents/orvane-swbc-sked.txt")).open(QIODevice::WriteOnly);
    loader->picked = loader->home.path() + QStringLiteral("/picked.txt");
    new QApplication(*argc, *argv);
    qApp->installEventFilter(&loader->boxes);
    loader->window = new MainWindow;
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    checkRoundTrip(bytes);
    checkPickedLoad(bytes);
    return 0;
}
