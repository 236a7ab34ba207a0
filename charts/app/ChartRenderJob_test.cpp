// The picture job inside the test's application: it makes no window and shows no widget; the
// chart it draws is the only widget that exists while it runs.
#include "ChartRenderJob.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QEvent>
#include <QImage>
#include <QSet>
#include <QWidget>
#include <QWindow>

#include "ConsoleDialogs.h"
#include "TChart.h"
#include "TestFolder.h"

namespace {

// Looks at the application's windows and widgets at every event any object receives.
class WindowWatch : public QObject {
public:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (qobject_cast<TChart*>(watched)) charts.insert(watched);
        if (event->type() == QEvent::Show || event->type() == QEvent::WinIdChange ||
            event->type() == QEvent::PlatformSurface)
            problems << QStringLiteral("event %1 to %2")
                            .arg(event->type())
                            .arg(QString::fromLatin1(watched->metaObject()->className()));
        if (!QGuiApplication::allWindows().isEmpty()) problems << QStringLiteral("a window");
        for (const QWidget* widget : QApplication::topLevelWidgets()) {
            // A widget under construction does not know its class yet: it is told apart later.
            topLevels.insert(widget);
            if (widget->isVisible() || widget->testAttribute(Qt::WA_WState_Created))
                problems << QStringLiteral("a shown or native widget");
        }
        return false;
    }
    // Top-level widgets that were no chart.
    int otherTopLevels() const {
        int others = 0;
        for (const QObject* widget : topLevels) others += charts.contains(widget) ? 0 : 1;
        return others;
    }
    QSet<const QObject*> charts;
    QSet<const QObject*> topLevels;
    QStringList problems;
};

QByteArray threeColumns() {
    return "Tolmar-Kor results\nYYYY MM DD HH A B C\nTemperature_in_subbasin_areas\n"
           "2001 1 1 0 1.5 -9999 3\n2001 1 1 6 2.5 4 -2\n2001 1 1 12 -9999 5 7\n";
}

}  // namespace

TEST(ChartRenderJob, DrawsTablesAndSettingsWithoutAWindowOrAShownWidget) {
    ASSERT_TRUE(QGuiApplication::allWindows().isEmpty());
    TestFolder folder;
    const QString table = folder.write("three.txt", threeColumns());
    const QString settings = folder.write(
        "chart.ini", "[Chart]\nNumFiles=1\nHideLegend=0\n[File0]\nFileName=" + table.toUtf8() +
                         "\nFile0series0Visible=1\n");
    RenderJob job;
    job.inputs = {table.toStdString(), settings.toStdString()};
    job.picture = folder.path("chart.png").toStdString();
    job.width = 400;
    job.height = 300;

    WindowWatch watch;
    qApp->installEventFilter(&watch);
    ConsoleDialogs dialogs(QStringLiteral("linara"));
    const int code = runChartRenderJob(job, dialogs);
    qApp->removeEventFilter(&watch);

    EXPECT_EQ(code, 0);
    EXPECT_EQ(dialogs.reported(), 0);
    EXPECT_EQ(QImage(folder.path("chart.png")).size(), QSize(400, 300));
    // The watch saw the chart at work, and nothing else.
    EXPECT_EQ(watch.charts.size(), 1);
    EXPECT_EQ(watch.otherTopLevels(), 0);
    EXPECT_TRUE(watch.problems.isEmpty()) << watch.problems.join(", ").toStdString();
    EXPECT_TRUE(QApplication::topLevelWidgets().isEmpty());
}

TEST(ChartRenderJob, AnUnreadableInputDrawsNothingAndFails) {
    TestFolder folder;
    const QString picture = folder.path("chart.png");
    RenderJob job;
    job.inputs = {folder.write("bad.txt", "no table\n").toStdString()};
    job.picture = picture.toStdString();
    std::FILE* messages = std::tmpfile();
    ConsoleDialogs dialogs(QStringLiteral("linara"), messages);
    EXPECT_EQ(runChartRenderJob(job, dialogs), 1);
    EXPECT_EQ(dialogs.reported(), 1);
    EXPECT_FALSE(QFile::exists(picture));
    std::fclose(messages);
}
