#pragma once
// Shared setup of the chart viewer window's tests: the window, a command processor that only
// records, a printer that writes PDF files, and result tables in the test's folder.
#include <gtest/gtest.h>

#include <QAction>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QPrinter>
#include <QTest>

#include "CommandProcessor.h"
#include "PdfPrinterSetup.h"
#include "PrinterSetup.h"
#include "RecordingCommands.h"
#include "TChart.h"
#include "TChartSeries.h"
#include "TestFolder.h"
#include "TfrmTolmarCharts.h"
#include "WindowTest.h"

// A result table of hourly rows from 1.1.2001 00:00 with the value columns `columns`; row r
// holds 10 * r + column index in each column.
inline QByteArray hourlyTable(const QStringList& columns, int rows = 3,
                              const QByteArray& entity = "Flow_at_the_outlet_gauge_daily") {
    QByteArray text =
        "Tolmar-Kor results\nYYYY MM DD HH " + columns.join(' ').toLatin1() + "\n" + entity + "\n";
    for (int r = 0; r < rows; ++r) {
        text += "2001 1 1 " + QByteArray::number(r);
        for (int c = 0; c < columns.size(); ++c) text += " " + QByteArray::number(10 * r + c);
        text += "\n";
    }
    return text;
}

// Runs in a temporary working directory, where the window writes its settings file on close.
class ChartsWindowTest : public WindowTest {
protected:
    ChartsWindowTest() { workInFolder(); }
    QWidget& windowUnderTest() override { return window; }

    void start(const QStringList& arguments = {}) {
        window.show();
        window.FormShow(arguments);
        settle();
    }

    QListWidget* files() { return control<QListWidget>("chklstbxFiles"); }
    QListWidget* seriesList() { return control<QListWidget>("chklstbxSeries"); }
    TChart* chart() { return control<TChart>("chrtTolmarResults"); }

    QString table(const QString& name, const QByteArray& bytes) {
        return folder.write(name, bytes);
    }
    // Types the six date edits: start year, month, day, end year, month, day.
    void setDates(const QStringList& six) {
        const char* names[] = {"edtStartYear", "edtStartMonth", "edtStartDay",
                               "edtEndYear",   "edtEndMonth",   "edtEndDay"};
        for (int i = 0; i < 6; ++i) field(names[i])->setText(six[i]);
    }
    // Enter in a date edit applies the edits.
    void applyDates(const QStringList& six) {
        setDates(six);
        QTest::keyClick(field("edtEndDay"), Qt::Key_Return);
        settle();
    }
    // Add File with the open dialog answering `paths`.
    void addFiles(const QStringList& paths) {
        dialogs.openAnswers.push_back(paths);
        action("miOpen")->trigger();
        settle();
    }

    QStringList texts(QListWidget* list) {
        QStringList all;
        for (int i = 0; i < list->count(); ++i) all << list->item(i)->text();
        return all;
    }
    QList<bool> checks(QListWidget* list) {
        QList<bool> all;
        for (int i = 0; i < list->count(); ++i) all << (list->item(i)->checkState() == Qt::Checked);
        return all;
    }
    // The lines the chart draws (the series with points, not the legend entries), by title.
    QStringList drawnLines() {
        QStringList titles;
        for (TChartSeries* series : chart()->seriesList())
            if (!series->showInLegend()) titles << series->title();
        return titles;
    }
    TChartSeries* drawnLine(const QString& title) {
        for (TChartSeries* series : chart()->seriesList())
            if (!series->showInLegend() && series->title() == title) return series;
        return nullptr;
    }
    QStringList legendEntries() {
        QStringList titles;
        for (TChartSeries* series : chart()->seriesList())
            if (series->showInLegend()) titles << series->title();
        return titles;
    }
    void check(QListWidget* list, int row, bool on) {
        list->item(row)->setCheckState(on ? Qt::Checked : Qt::Unchecked);
        settle();
    }
    // A click on the entry's text, as the user makes it.
    void click(QListWidget* list, int row) {
        list->scrollToItem(list->item(row));
        const QPoint at = list->visualItemRect(list->item(row)).center();
        QTest::mouseClick(list->viewport(), Qt::LeftButton, Qt::NoModifier, at);
        settle();
    }

    // The settings file the window writes on close.
    QString closingSettings() const {
        const QString program =
            QFileInfo(QCoreApplication::applicationFilePath()).completeBaseName();
        return QDir::current().filePath(program + ".ini");
    }

    RecordingCommands commands;
    PdfPrinterSetup printer{folder.path("chart.pdf")};
    TfrmTolmarCharts window{dialogs, commands, printer};
};
