// What the window's chart shows on the screen, in pictures and on paper: the legend above the
// plot, date labels that fit, the value axis, long titles, and the printed page.
#include <QClipboard>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QRegularExpression>
#include <QXmlStreamReader>
#include <algorithm>
#include <cmath>
#include <limits>

#include "ChartRendering.h"
#include "ChartsWindowTesting.h"
#include "DayNumberDate.h"
#include "ElidingLineEdit.h"
#include "PdfWords.h"

namespace {

const QRegularExpression DateLabel(QStringLiteral("\\d\\d\\.\\d\\d\\.\\d\\d"));

// Hourly rows from 1.1.2001 for `days` days; column c holds sin-like values around 10 * c.
QByteArray longTable(const QStringList& columns, int days,
                     const QByteArray& entity = "Flow_at_the_outlet_gauge_daily") {
    QByteArray text =
        "Tolmar-Kor results\nYYYY MM DD HH " + columns.join(' ').toLatin1() + "\n" + entity + "\n";
    for (int hour = 0; hour < days * 24; ++hour) {
        const QDateTime at = QDateTime(QDate(2001, 1, 1), QTime(0, 0)).addSecs(3600LL * hour);
        text += QByteArray::number(at.date().year()) + " " + QByteArray::number(at.date().month()) +
                " " + QByteArray::number(at.date().day()) + " " +
                QByteArray::number(at.time().hour());
        for (int c = 0; c < columns.size(); ++c)
            text += " " + QByteArray::number(10 * c + 5 * std::sin(hour / 24.0 + c), 'f', 3);
        text += "\n";
    }
    return text;
}

// A label drawn at the bottom axis: its text and the pixels it covers.
struct DrawnLabel {
    QString text;
    double left;
    double right;
};

// Text elements of an SVG picture with their x positions, transforms of their groups
// included.
std::vector<std::pair<QString, double>> svgTexts(const QByteArray& svg) {
    std::vector<std::pair<QString, double>> texts;
    std::vector<double> shifts{0.0};
    QXmlStreamReader xml(svg);
    const QRegularExpression matrix(QStringLiteral("matrix\\(([^)]*)\\)"));
    while (!xml.atEnd()) {
        const auto token = xml.readNext();
        if (token == QXmlStreamReader::StartElement) {
            double shift = shifts.back();
            const auto found = matrix.match(xml.attributes().value("transform").toString());
            if (found.hasMatch()) shift += found.captured(1).split(',').value(4).toDouble();
            if (xml.name() == QLatin1String("text")) {
                const double x = shift + xml.attributes().value("x").toDouble();
                texts.emplace_back(xml.readElementText(), x);
                continue;
            }
            shifts.push_back(shift);
        } else if (token == QXmlStreamReader::EndElement) {
            shifts.pop_back();
        }
    }
    return texts;
}

// The saturated colours of a picture's rows above `bottom`: the legend's line samples.
QSet<QRgb> coloursAbove(const QImage& picture, int bottom) {
    QSet<QRgb> colours;
    for (int y = 0; y < bottom; ++y)
        for (int x = 0; x < picture.width(); ++x) {
            const QColor pixel = picture.pixelColor(x, y);
            if (pixel.hsvSaturation() > 200 && pixel.value() > 100) colours.insert(pixel.rgb());
        }
    return colours;
}

class ChartPictures : public ChartsWindowTest {
protected:
    // Every series of the selected table drawn.
    void checkAllSeries() {
        for (int row = 0; row < seriesList()->count(); ++row) check(seriesList(), row, true);
    }
    // The date labels as the window draws them now.
    std::vector<DrawnLabel> dateLabels() {
        chart()->redraw();
        const QFontMetricsF metrics(chart()->xAxis->tickLabelFont());
        std::vector<DrawnLabel> labels;
        const QVector<double> ticks = chart()->xAxis->tickVector();
        const QVector<QString> texts = chart()->xAxis->tickVectorLabels();
        for (int i = 0; i < ticks.size(); ++i) {
            const double x = chart()->xAxis->coordToPixel(ticks[i]);
            const double half = metrics.horizontalAdvance(texts[i]) / 2;
            labels.push_back({texts[i], x - half, x + half});
        }
        return labels;
    }
    void expectApartAndWhole(const std::vector<DrawnLabel>& labels, int atLeast) {
        EXPECT_GE(static_cast<int>(labels.size()), atLeast);
        for (std::size_t i = 0; i < labels.size(); ++i) {
            EXPECT_GE(labels[i].left, 0) << labels[i].text.toStdString();
            EXPECT_LE(labels[i].right, chart()->width()) << labels[i].text.toStdString();
            if (i > 0) {
                EXPECT_GT(labels[i].left, labels[i - 1].right)
                    << labels[i - 1].text.toStdString() << " / " << labels[i].text.toStdString();
            }
        }
    }
    QRect plotArea() { return chart()->axisRect()->rect(); }
};

}  // namespace

TEST_F(ChartPictures, TheLegendStandsAboveThePlotAndWrapsIntoRows) {
    start();
    EXPECT_FALSE(chart()->legendDrawn());  // nothing to list: nothing drawn
    const int emptyTop = plotArea().top();
    addFiles({table("two.txt", longTable({"A", "B"}, 3))});
    checkAllSeries();
    chart()->redraw();
    ASSERT_TRUE(chart()->legendDrawn());
    const QRect legend = chart()->legend->outerRect();
    EXPECT_LE(legend.bottom(), plotArea().top());
    EXPECT_GT(plotArea().top(), emptyTop);  // the plot made room
    EXPECT_GE(legend.left(), 0);
    EXPECT_LE(legend.right(), chart()->width());
    // In the order the series were drawn: the last column first, then the one checked.
    EXPECT_EQ(chart()->legendTexts(),
              QStringList({"Flow_at_the_outlet: B", "Flow_at_the_outlet: A"}));
    // The clipboard copy shows the same legend: both series' colours above the plot.
    QGuiApplication::clipboard()->clear();
    action("miCopytoClipboard")->trigger();
    const QImage copy = QGuiApplication::clipboard()->image();
    ASSERT_EQ(copy.size(), chart()->size());
    const QSet<QRgb> above = coloursAbove(copy, plotArea().top());
    for (const char* series : {"Flow_at_the_outlet: A", "Flow_at_the_outlet: B"})
        EXPECT_TRUE(above.contains(drawnLine(QLatin1String(series))->seriesColor().rgb()))
            << series;

    // Twenty-three series wrap into rows, every entry whole and inside the chart.
    QStringList many;
    for (int c = 0; c < 23; ++c) many << QStringLiteral("Column%1").arg(c);
    addFiles({table("many.txt", longTable(many, 2))});
    checkAllSeries();
    chart()->redraw();
    EXPECT_GT(chart()->legend->rowCount(), 1);
    EXPECT_GT(chart()->legend->columnCount(), 1);
    EXPECT_EQ(chart()->legendTexts().size(), 25);
    EXPECT_TRUE(chart()->legendTexts().contains("Flow_at_the_outlet: Column22"));
    EXPECT_LE(chart()->legend->outerRect().bottom(), plotArea().top());
    EXPECT_LE(chart()->legend->outerRect().right(), chart()->width());

    // Hidden, it gives its room back.
    const int withLegend = plotArea().top();
    action("miHideLegend")->trigger();
    chart()->redraw();
    EXPECT_FALSE(chart()->legendDrawn());
    EXPECT_LT(plotArea().top(), withLegend);
}

TEST_F(ChartPictures, PicturesHaveTheSameLegendAsTheWindowAndCutNoEntry) {
    start();
    addFiles({table("one.txt", longTable({"A", "B", "C", "D", "E"}, 2,
                                         "An_entity_name_of_some_length_for_the_legend"))});
    checkAllSeries();
    // A narrow picture: the five entries wrap, none is cut at either side.
    const QString svgPath = folder.path("legend.svg");
    ASSERT_EQ(renderChart(window.chart(), svgPath, QSize(420, 400)), QString());
    EXPECT_LE(chart()->legend->outerRect().right(), 420);
    EXPECT_GE(chart()->legend->outerRect().left(), 0);
    EXPECT_LE(chart()->legend->outerRect().bottom(), plotArea().top());
    EXPECT_GT(chart()->legend->rowCount(), 1);
    const QByteArray svg = fileBytes(svgPath);
    int entries = 0;
    for (const auto& [text, x] : svgTexts(svg)) {
        if (!text.startsWith("An_entity_name_of: ")) continue;
        ++entries;
        EXPECT_GE(x, 0) << text.toStdString();
        EXPECT_LE(x + QFontMetricsF(chart()->legend->font()).horizontalAdvance(text), 420)
            << text.toStdString();
    }
    EXPECT_EQ(entries, 5);

    // A title that no width holds is cut, never wider than the picture.
    auto* title = field("edtChartTitle");
    title->setText(QString(400, QChar('W')));
    ASSERT_EQ(renderChart(window.chart(), folder.path("title.png"), QSize(300, 300)), QString());
    const QStringList lines = chart()->shownTitleLines();
    ASSERT_FALSE(lines.isEmpty());
    EXPECT_LE(lines.size(), 3);
    EXPECT_TRUE(lines.last().endsWith(QString::fromUtf8("\u2026")));
}

TEST_F(ChartPictures, DateLabelsNeverOverlapAndSpanningViewsShowThreeOrMore) {
    start();
    addFiles({table("year.txt", longTable({"Q"}, 400))});
    // Fourteen days, labelled by the day with weekday and time.
    applyDates({"2001", "5", "9", "2001", "5", "23"});
    EXPECT_EQ(chart()->bottomAxis().dateTimeFormat(), "ddd, dd.mm.yy hh:nn");
    expectApartAndWhole(dateLabels(), 3);
    // Two months, labelled by the week.
    applyDates({"2001", "3", "1", "2001", "4", "30"});
    EXPECT_EQ(chart()->bottomAxis().dateTimeFormat(), "ddd, dd.mm.yyyy");
    expectApartAndWhole(dateLabels(), 3);
    // The same on a narrow window and in an SVG picture.
    window.resize(900, 700);
    settle();
    expectApartAndWhole(dateLabels(), 3);
    const QString svgPath = folder.path("dates.svg");
    ASSERT_EQ(renderChart(window.chart(), svgPath, QSize(640, 400)), QString());
    const QFontMetricsF metrics(chart()->xAxis->tickLabelFont());
    std::vector<std::pair<QString, double>> dates;
    for (const auto& text : svgTexts(fileBytes(svgPath)))
        if (DateLabel.match(text.first).hasMatch()) dates.push_back(text);
    ASSERT_GE(dates.size(), 3u);
    std::sort(dates.begin(), dates.end(), [](auto& a, auto& b) { return a.second < b.second; });
    for (std::size_t i = 1; i < dates.size(); ++i)
        EXPECT_GT(dates[i].second,
                  dates[i - 1].second + metrics.horizontalAdvance(dates[i - 1].first));
    EXPECT_GE(dates.front().second, 0);
    EXPECT_LE(dates.back().second + metrics.horizontalAdvance(dates.back().first), 640);
}

TEST_F(ChartPictures, AnUnsetValueAxisHasNoNumbersAndHugeValuesKeepAUsableAxis) {
    start();
    chart()->redraw();
    EXPECT_FALSE(chart()->yAxis->tickLabels());
    const QByteArray huge =
        "Tolmar-Kor results\nYYYY MM DD HH Big\nHuge values\n"
        "2001 1 1 0 1.7e308\n2001 1 1 1 -1.7e308\n2001 1 1 2 0\n2001 1 1 3 1.6e308\n";
    addFiles({table("huge.txt", huge)});
    action("miFitCharttoYValueDataLimits1")->trigger();
    settle();

    const TChartAxis& left = chart()->leftAxis();
    EXPECT_TRUE(std::isfinite(left.minimum()) && std::isfinite(left.maximum()));
    EXPECT_LE(left.minimum(), -1.7e308);
    EXPECT_GE(left.maximum(), 1.7e308);
    chart()->redraw();
    EXPECT_TRUE(chart()->yAxis->tickLabels());
    const QVector<QString> labels = chart()->yAxis->tickVectorLabels();
    ASSERT_GE(labels.size(), 2);
    for (const QString& label : labels) EXPECT_LE(label.size(), 24) << label.toStdString();
    // The line is drawn: red pixels across the plot area, from top to bottom.
    const QImage picture = chart()->bitmap();
    int redRows = 0;
    const QRect plot = plotArea();
    for (int y = plot.top(); y <= plot.bottom(); ++y) {
        bool red = false;
        for (int x = plot.left(); x <= plot.right() && !red; ++x) {
            const QColor pixel = picture.pixelColor(x, y);
            red = pixel.red() > pixel.green() + 60 && pixel.red() > pixel.blue() + 60;
        }
        redRows += red;
    }
    EXPECT_GT(redRows, plot.height() * 9 / 10);

    // The last table removed: the value axis keeps the table's range until a fit unsets it.
    click(files(), 0);
    action("miClose")->trigger();
    settle();
    action("miFitCharttoYValueDataLimits1")->trigger();
    chart()->redraw();
    EXPECT_EQ(left.minimum(), SeriesData::unset);
    EXPECT_FALSE(chart()->yAxis->tickLabels());
}

TEST_F(ChartPictures, ALongTitleNeverWidensTheWindow) {
    start();
    const QSize before = window.size();
    QString words;
    for (int i = 0; i < 600; ++i) words += QStringLiteral("Runoff ");
    field("edtChartTitle")->setText(words);
    settle();
    EXPECT_EQ(window.size(), before);
    EXPECT_LT(window.minimumSizeHint().width(), 1400);
    const QStringList lines = chart()->shownTitleLines();
    ASSERT_FALSE(lines.isEmpty());
    EXPECT_LE(lines.size(), 3);
    QFont titleFont(QStringLiteral("Arial"));
    titleFont.setPixelSize(19);
    titleFont.setBold(true);
    for (const QString& line : lines)
        EXPECT_LE(QFontMetrics(titleFont).horizontalAdvance(line), chart()->width());
    field("edtChartTitle")->setText(QString(3000, QChar('x')));
    settle();
    EXPECT_EQ(window.size(), before);
    // The edit shows the title cut with "…" while it is not edited, the whole as tooltip.
    auto* edit = control<ElidingLineEdit>("edtChartTitle");
    field("edtOrdinateTitle")->setFocus();
    EXPECT_TRUE(edit->shownText().endsWith(QString::fromUtf8("\u2026")));
    EXPECT_LT(edit->shownText().size(), 300);
    EXPECT_EQ(edit->toolTip().size(), 3000);
    EXPECT_FALSE(edit->grab().isNull());
}

TEST_F(ChartPictures, PrintingPutsTheScreensChartOnThePageInTheSameProportions) {
    start();
    addFiles({table("two.txt", longTable({"A", "B"}, 30))});
    checkAllSeries();
    action("miPrint")->trigger();
    settle();
    const std::vector<PdfPage> pages = pdfPages(folder.path("chart.pdf"));
    ASSERT_EQ(pages.size(), 1u) << "pdftotext (poppler-utils) reads the printed page";
    const PdfPage& page = pages.front();
    const QRectF paper(0, 0, page.width, page.height);
    QRectF title, legendEntry;
    std::vector<QRectF> dates, values;
    int legendEntries = 0;
    for (const PdfWord& word : page.words) {
        // Nothing is cut at the page's edge.
        EXPECT_TRUE(paper.contains(word.box)) << word.text.toStdString();
        if (word.text == "Tolmar-Kor") title = word.box;
        if (word.text == "Flow_at_the_outlet:") {
            ++legendEntries;
            legendEntry = word.box;
        }
        if (DateLabel.match(word.text).hasMatch()) dates.push_back(word.box);
        bool number = false;
        word.text.toDouble(&number);
        if (number && word.box.left() < page.width / 5) values.push_back(word.box);
    }
    EXPECT_EQ(legendEntries, 2);
    ASSERT_FALSE(title.isEmpty());
    ASSERT_GE(dates.size(), 3u);
    ASSERT_GE(values.size(), 2u);
    // The legend stands between the title and the plot.
    EXPECT_GT(legendEntry.top(), title.bottom());
    // Date labels apart.
    std::sort(dates.begin(), dates.end(), [](auto& a, auto& b) { return a.left() < b.left(); });
    for (std::size_t i = 1; i < dates.size(); ++i) EXPECT_FALSE(dates[i].intersects(dates[i - 1]));
    // Axis labels keep the screen's size relative to the title.
    QFont titleFont(QStringLiteral("Arial"));
    titleFont.setPixelSize(19);
    titleFont.setBold(true);
    const double onScreen =
        QFontMetricsF(chart()->yAxis->tickLabelFont()).height() / QFontMetricsF(titleFont).height();
    const double onPaper = values.front().height() / title.height();
    EXPECT_NEAR(onPaper / onScreen, 1.0, 0.3) << "screen " << onScreen << " paper " << onPaper;
}
