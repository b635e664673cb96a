// SPDX-License-Identifier: GPL-3.0-or-later
#include "schedule/onairdelegate.h"
#include "schedule/scheduletable.h"
#include "schedule/stylepictures.h"
#include "tests/support/testenv.h"

#include <QHeaderView>
#include <QPainter>
#include <QScrollBar>
#include <QStandardItemModel>
#include <QStyleOption>
#include <QTableWidget>

namespace {

class OpenScrollBar : public QScrollBar
{
public:
    using QScrollBar::QScrollBar;
    using QScrollBar::initStyleOption;
};

// A style that, as some do, shows the arrows at the slider's end as ones that lead nowhere.
class EndArrowsStyle : public QProxyStyle
{
public:
    void drawComplexControl(ComplexControl control, const QStyleOptionComplex* option, QPainter* painter,
                            const QWidget* widget) const override
    {
        QProxyStyle::drawComplexControl(control, option, painter, widget);
        const auto* bar = qstyleoption_cast<const QStyleOptionSlider*>(option);
        if (control != CC_ScrollBar || !bar)
            return;
        if (bar->sliderValue == bar->minimum)
            painter->fillRect(subControlRect(control, bar, SC_ScrollBarSubLine, widget), Qt::darkGray);
        if (bar->sliderValue == bar->maximum)
            painter->fillRect(subControlRect(control, bar, SC_ScrollBarAddLine, widget), Qt::darkGray);
    }
};

class WideHeaderMarginStyle : public QProxyStyle
{
public:
    int pixelMetric(PixelMetric metric, const QStyleOption* option, const QWidget* widget) const override
    {
        return metric == PM_HeaderMargin ? 12 : QProxyStyle::pixelMetric(metric, option, widget);
    }
};

QImage canvas(const QSize& size)
{
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    image.fill(QApplication::palette().color(QPalette::Window));
    return image;
}

template<typename Draw>
QImage drawn(const QSize& size, Draw draw)
{
    QImage image = canvas(size);
    QPainter painter(&image);
    draw(&painter);
    return image;
}

// An "HHmm-HHmm" range around now, or one that ended an hour ago.
QString timeRange(bool onAir)
{
    const QDateTime now = QDateTime::currentDateTimeUtc();
    const QDateTime from = now.addSecs(onAir ? -3600 : -3 * 3600);
    const QDateTime to = now.addSecs(onAir ? 3600 : -3600);
    return from.toString("HHmm") + '-' + to.toString("HHmm");
}

} // namespace

// Scroll bars, group box frames and line edit panels drawn from kept pictures, and cells drawn from kept layouts,
// look exactly as the style and QPainter::drawText would draw them, whatever was drawn before; the schedule's
// headers, which keep their measures, measure what Qt's own headers would.
class TestTablePainting : public QObject
{
    Q_OBJECT

    QWidget owner;
    OpenScrollBar pictured;
    EndArrowsStyle endArrowsStyle;
    StylePictures endArrowPictures{new EndArrowsStyle};
    OnAirDelegate delegate;
    QStandardItemModel model{1, 9};
    QTableWidget table{0, 9};
    ScheduleTable schedule{&table};
    WideHeaderMarginStyle wideMargins;

private slots:
    void initTestCase()
    {
        StylePictures::useFor({&owner, &pictured});
        QVERIFY(owner.style() != QApplication::style());
    }

    // the rows change one table in order, so each meets the measures the rows before it kept
    void headerSizeAsQtMeasures_data()
    {
        QTest::addColumn<QString>("change");
        for (const char* change : {"9 rows", "10 rows", "100 rows", "99 rows", "long column label",
                                   "two-line column label", "two-line row label", "larger font", "wider margins"})
            QTest::newRow(change) << QString(change);
    }

    void headerSizeAsQtMeasures()
    {
        QFETCH(QString, change);
        QHeaderView* headers[] = {table.horizontalHeader(), table.verticalHeader()};
        for (const QHeaderView* header : headers)
            header->sizeHint();
        if (change.endsWith(" rows"))
            table.setRowCount(change.section(' ', 0, 0).toInt());
        else if (change == "long column label")
            table.setHorizontalHeaderItem(4, new QTableWidgetItem("Orvane / Pelkin Label, with a longer name"));
        else if (change == "two-line column label")
            table.setHorizontalHeaderItem(7, new QTableWidgetItem("Tx\nSite"));
        else if (change == "two-line row label")
            table.setVerticalHeaderItem(50, new QTableWidgetItem("51\nfifty-one"));
        else if (change == "larger font")
            table.setFont(QFont(table.font().family(), 20));
        else if (change == "wider margins")
            for (QHeaderView* header : headers)
                header->setStyle(&wideMargins);

        for (const QHeaderView* header : headers) {
            QHeaderView fresh(header->orientation());
            fresh.setModel(table.model());
            fresh.setFont(header->font());
            fresh.setStyle(header->style());
            QCOMPARE(header->sizeHint(), fresh.sizeHint());
        }
    }

    // the rows run in order against one style, so each meets the pictures the rows before it kept
    void scrollBarAsStyleDraws_data()
    {
        QTest::addColumn<bool>("endArrows");
        QTest::addColumn<Qt::Orientation>("orientation");
        QTest::addColumn<QSize>("size");
        QTest::addColumn<int>("maximum");
        QTest::addColumn<int>("value");
        QTest::addColumn<bool>("enabled");
        QTest::addColumn<int>("active");
        QTest::addColumn<bool>("sunken");

        const QSize tall(16, 400);
        const int none = QStyle::SC_None;
        const int slider = QStyle::SC_ScrollBarSlider;
        const int addLine = QStyle::SC_ScrollBarAddLine;
        for (const bool endArrows : {false, true}) {
            const char* style = endArrows ? ", end arrows marked" : "";
            const auto row = [&](const char* name, Qt::Orientation orientation, const QSize& size) -> QTestData& {
                return QTest::addRow("%s%s", name, style) << endArrows << orientation << size;
            };
            row("top", Qt::Vertical, tall) << 100000 << 0 << true << none << false;
            row("one below the top, slider in the same place", Qt::Vertical, tall) << 100000 << 1 << true << none
                                                                                   << false;
            row("middle", Qt::Vertical, tall) << 100000 << 50000 << true << none << false;
            row("one above the bottom", Qt::Vertical, tall) << 100000 << 99999 << true << none << false;
            row("bottom", Qt::Vertical, tall) << 100000 << 100000 << true << none << false;
            row("a row more, at the top", Qt::Vertical, tall) << 100001 << 0 << true << none << false;
            row("a row more, at the bottom", Qt::Vertical, tall) << 100001 << 100001 << true << none << false;
            row("short range", Qt::Vertical, tall) << 20 << 10 << true << none << false;
            row("disabled", Qt::Vertical, tall) << 20 << 10 << false << none << false;
            row("slider hovered", Qt::Vertical, tall) << 20 << 10 << true << slider << false;
            row("down arrow hovered", Qt::Vertical, tall) << 20 << 10 << true << addLine << false;
            row("down arrow pressed", Qt::Vertical, tall) << 20 << 10 << true << addLine << true;
            row("shorter bar", Qt::Vertical, QSize(16, 120)) << 20 << 10 << true << none << false;
            row("horizontal", Qt::Horizontal, QSize(400, 16)) << 20 << 10 << true << none << false;
            row("horizontal at the end", Qt::Horizontal, QSize(400, 16)) << 20 << 20 << true << none << false;
        }
    }

    void scrollBarAsStyleDraws()
    {
        QFETCH(bool, endArrows);
        QFETCH(Qt::Orientation, orientation);
        QFETCH(QSize, size);
        QFETCH(int, maximum);
        QFETCH(int, value);
        QFETCH(bool, enabled);
        QFETCH(int, active);
        QFETCH(bool, sunken);

        pictured.setOrientation(orientation);
        pictured.resize(size);
        pictured.setRange(0, maximum);
        pictured.setPageStep(15);
        pictured.setValue(value);
        pictured.setEnabled(enabled);
        QStyleOptionSlider option;
        pictured.initStyleOption(&option);
        option.subControls = QStyle::SC_All;
        option.activeSubControls = QStyle::SubControl(active);
        if (active != QStyle::SC_None)
            option.state |= QStyle::State_MouseOver;
        if (sunken)
            option.state |= QStyle::State_Sunken;

        const QStyle* plain = endArrows ? &endArrowsStyle : QApplication::style();
        const QStyle* pictures = endArrows ? &endArrowPictures : pictured.style();
        const QImage expected = drawn(size, [&](QPainter* painter) {
            plain->drawComplexControl(QStyle::CC_ScrollBar, &option, painter, &pictured);
        });
        for (int time = 0; time < 2; ++time) {
            const QImage image = drawn(size, [&](QPainter* painter) {
                pictures->drawComplexControl(QStyle::CC_ScrollBar, &option, painter, &pictured);
            });
            QCOMPARE(image, expected);
        }
    }

    void frameAsStyleDraws_data()
    {
        QTest::addColumn<int>("element");
        QTest::addColumn<QSize>("size");
        QTest::addColumn<int>("state");

        const int groupBox = QStyle::PE_FrameGroupBox;
        const int lineEdit = QStyle::PE_PanelLineEdit;
        const int enabled = QStyle::State_Enabled;
        const int focused = enabled | QStyle::State_HasFocus;
        QTest::newRow("group box") << groupBox << QSize(300, 200) << enabled;
        QTest::newRow("narrower group box") << groupBox << QSize(120, 200) << enabled;
        QTest::newRow("group box, disabled") << groupBox << QSize(120, 200) << int(QStyle::State_None);
        QTest::newRow("line edit of the group box's size") << lineEdit << QSize(120, 200) << enabled;
        QTest::newRow("line edit") << lineEdit << QSize(120, 24) << enabled;
        QTest::newRow("line edit with the focus") << lineEdit << QSize(120, 24) << focused;
        QTest::newRow("line edit, disabled") << lineEdit << QSize(120, 24) << int(QStyle::State_None);
        QTest::newRow("wider line edit") << lineEdit << QSize(200, 24) << enabled;
        QTest::newRow("first group box again") << groupBox << QSize(300, 200) << enabled;
    }

    void frameAsStyleDraws()
    {
        QFETCH(int, element);
        QFETCH(QSize, size);
        QFETCH(int, state);

        QStyleOptionFrame option;
        option.initFrom(&owner);
        option.rect = QRect(QPoint(), size);
        option.state = QStyle::State(state);
        option.lineWidth = 1;
        const auto primitive = QStyle::PrimitiveElement(element);
        const QImage expected = drawn(size, [&](QPainter* painter) {
            QApplication::style()->drawPrimitive(primitive, &option, painter, &owner);
        });
        const QImage image = drawn(size, [&](QPainter* painter) {
            owner.style()->drawPrimitive(primitive, &option, painter, &owner);
        });
        QCOMPARE(image, expected);
    }

    // one delegate paints every row in turn, so a text laid out for one row meets the next rows
    void cellAsTextDraws_data()
    {
        QTest::addColumn<QString>("station");
        QTest::addColumn<bool>("onAir");
        QTest::addColumn<bool>("starred");
        QTest::addColumn<bool>("selected");
        QTest::addColumn<int>("width");
        QTest::addColumn<int>("pointSize");

        QTest::newRow("plain") << "Radio Orvane" << false << false << false << 200 << 9;
        QTest::newRow("the same text on the air") << "Radio Orvane" << true << false << false << 200 << 9;
        QTest::newRow("plain again") << "Radio Orvane" << false << false << false << 200 << 9;
        QTest::newRow("selected") << "Radio Orvane" << false << false << true << 200 << 9;
        QTest::newRow("cut short") << "Radio Orvane International" << false << false << false << 60 << 9;
        QTest::newRow("whole again") << "Radio Orvane International" << false << false << false << 300 << 9;
        QTest::newRow("cut short on the air") << "Radio Orvane International" << true << false << false << 60 << 9;
        QTest::newRow("favourite") << "Radio Orvane" << false << true << false << 200 << 9;
        QTest::newRow("favourite cut short") << "Radio Orvane" << true << true << false << 50 << 9;
        QTest::newRow("larger font") << "Radio Orvane" << false << false << false << 200 << 14;
        QTest::newRow("larger font on the air") << "Radio Orvane" << true << false << false << 200 << 14;
        QTest::newRow("font taller than the row") << "Radio Orvane" << false << false << false << 200 << 22;
        QTest::newRow("empty") << "" << false << false << false << 200 << 9;
    }

    void cellAsTextDraws()
    {
        QFETCH(QString, station);
        QFETCH(bool, onAir);
        QFETCH(bool, starred);
        QFETCH(bool, selected);
        QFETCH(int, width);
        QFETCH(int, pointSize);

        const int stationColumn = 4;
        model.setItem(0, 0, new QStandardItem("9610"));
        model.setItem(0, 1, new QStandardItem(timeRange(onAir)));
        model.setItem(0, stationColumn, new QStandardItem(station));
        delegate.setFavouriteKeys(starred ? QSet<QString>{OnAirDelegate::favouriteKey(station, 9610)}
                                          : QSet<QString>());
        const QModelIndex index = model.index(0, stationColumn);
        QCOMPARE(delegate.rowBold(index, QDateTime::currentDateTimeUtc()), onAir);

        QStyleOptionViewItem option;
        option.initFrom(&owner);
        option.rect = QRect(0, 0, width, 24);
        option.font = QApplication::font();
        option.font.setPointSize(pointSize);
        option.textElideMode = Qt::ElideRight;
        option.state.setFlag(QStyle::State_Selected, selected);
        option.state |= QStyle::State_Active;

        QFont font = option.font;
        font.setBold(onAir);
        const int margin = QApplication::style()->pixelMetric(QStyle::PM_FocusFrameHMargin) + 1;
        const QRect textArea = option.rect.adjusted(margin, 0, -margin, 0);
        const QString text = QFontMetrics(font).elidedText(starred ? "★ " + station : station, Qt::ElideRight,
                                                           textArea.width());
        const QImage expected = drawn(option.rect.size(), [&](QPainter* painter) {
            if (selected)
                painter->fillRect(option.rect, option.palette.brush(QPalette::Normal, QPalette::Highlight));
            painter->setFont(font);
            painter->setPen(option.palette.color(QPalette::Normal, selected ? QPalette::HighlightedText
                                                                            : QPalette::Text));
            painter->drawText(textArea, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, text);
        });
        const QImage image = drawn(option.rect.size(), [&](QPainter* painter) {
            delegate.paint(painter, option, index);
        });
        QCOMPARE(image, expected);
    }
};

LEDRA_TEST_MAIN(TestTablePainting)
#include "tst_tablepainting.moc"
