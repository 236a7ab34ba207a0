// The window's number texts under a comma-decimal locale: what it writes into files keeps the
// dot, and what it shows can be read back.
#include <gtest/gtest.h>

#include <QAction>
#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QTemporaryDir>

#include "CommaDecimalLocale.h"
#include "CommandProcessor.h"
#include "ScriptedDialogs.h"
#include "TfrmVistals.h"

namespace {

class NoCommands : public CommandProcessor {
public:
    void run(const QString&) override {}
};

class WindowUnderCommaLocale : public ::testing::Test {
protected:
    void SetUp() override {
        window.show();
        window.FormShow({});
    }

    QString file(const QString& name, const QByteArray& bytes) {
        const QString path = dir.filePath(name);
        QFile out(path);
        out.open(QIODevice::WriteOnly);
        out.write(bytes);
        return path;
    }
    QByteArray contents(const QString& path) {
        QFile in(path);
        in.open(QIODevice::ReadOnly);
        return in.readAll();
    }
    void show(const QString& path) {
        window.lstbxGridNames->addItem(path);
        window.lstbxGridNames->setCurrentRow(window.lstbxGridNames->count() - 1);
        window.lstbxGridNamesClick();
    }
    QByteArray saveGrid(const QString& name) {
        const QString target = dir.filePath(name);
        dialogs.inputAnswers.push_back(target);
        window.miSaveGrid->trigger();
        return contents(target);
    }

    CommaDecimalLocale german;  // before the window, so it starts under the locale
    QTemporaryDir dir;
    ScriptedDialogs dialogs;
    NoCommands commands;
    TfrmVistals window{dialogs, commands};
};

}  // namespace

TEST_F(WindowUnderCommaLocale, SaveGridWritesTheNodataValueWithTheDot) {
    SKIP_WITHOUT_COMMA_LOCALE(german);
    show(file("a.asc",
              "ncols 2\nnrows 1\nxllcorner 0.5\nyllcorner 0\ncellsize 1\nnodata_value -9999\n"
              "1.5 -9999\n"));
    EXPECT_EQ(window.edtNodata->text(), "-9999");
    EXPECT_EQ(window.edtXLL->text(), "0.5");
    QByteArray written = saveGrid("a_out.asc");
    EXPECT_TRUE(written.contains("nodata_value -9999\r\n")) << written.toStdString();
    EXPECT_TRUE(written.contains("xllcorner    0.5\r\n")) << written.toStdString();
    EXPECT_FALSE(written.contains(',')) << written.toStdString();

    // A fractional nodata value is shown and written whole, not cut at the separator.
    show(file("b.asc",
              "ncols 2\nnrows 1\nxllcorner 0\nyllcorner 0\ncellsize 1\nnodata_value -3.5\n"
              "1.5 -3.5\n"));
    EXPECT_EQ(window.edtNodata->text(), "-3.5");
    written = saveGrid("b_out.asc");
    EXPECT_TRUE(written.contains("nodata_value -3.5\r\n")) << written.toStdString();
    EXPECT_TRUE(written.contains("1.5\t-3.5\t\r\n")) << written.toStdString();

    // A nodata value typed with the user's separator is read whole and written with the dot.
    window.edtNodata->setText(QStringLiteral("-2,25"));
    written = saveGrid("c_out.asc");
    EXPECT_TRUE(written.contains("nodata_value -2.25\r\n")) << written.toStdString();
    EXPECT_TRUE(dialogs.callsOf("message").empty());
}
