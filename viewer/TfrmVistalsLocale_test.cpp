// The window's number texts under a comma-decimal locale: what it writes into files keeps the
// dot, and what it shows can be read back.
#include "CommaDecimalLocale.h"
#include "VistalsWindowTesting.h"

namespace {

// The locale is switched before the window is built, so the window starts under it.
struct CommaLocaleFirst {
    CommaDecimalLocale german;
};

class WindowUnderCommaLocale : public CommaLocaleFirst, public VistalsWindowTest {
protected:
    void SetUp() override { start(); }

    void show(const QString& path) {
        add(path);
        click(list()->count() - 1);
    }
    QByteArray saveGrid(const QString& name) {
        const QString target = folder.path(name);
        dialogs.inputAnswers.push_back(target);
        action("miSaveGrid")->trigger();
        return fileBytes(target);
    }
};

}  // namespace

TEST_F(WindowUnderCommaLocale, SaveGridWritesTheNodataValueWithTheDot) {
    SKIP_WITHOUT_COMMA_LOCALE(german);
    show(file("a.asc",
              "ncols 2\nnrows 1\nxllcorner 0.5\nyllcorner 0\ncellsize 1\nnodata_value -9999\n"
              "1.5 -9999\n"));
    EXPECT_EQ(text("edtNodata"), "-9999");
    EXPECT_EQ(text("edtXLL"), "0.5");
    QByteArray written = saveGrid("a_out.asc");
    EXPECT_TRUE(written.contains("nodata_value -9999\r\n")) << written.toStdString();
    EXPECT_TRUE(written.contains("xllcorner    0.5\r\n")) << written.toStdString();
    EXPECT_FALSE(written.contains(',')) << written.toStdString();

    // A fractional nodata value is shown and written whole, not cut at the separator.
    show(file("b.asc",
              "ncols 2\nnrows 1\nxllcorner 0\nyllcorner 0\ncellsize 1\nnodata_value -3.5\n"
              "1.5 -3.5\n"));
    EXPECT_EQ(text("edtNodata"), "-3.5");
    written = saveGrid("b_out.asc");
    EXPECT_TRUE(written.contains("nodata_value -3.5\r\n")) << written.toStdString();
    EXPECT_TRUE(written.contains("1.5\t-3.5\t\r\n")) << written.toStdString();

    // A nodata value typed with the user's separator is read whole and written with the dot.
    field("edtNodata")->setText(QStringLiteral("-2,25"));
    written = saveGrid("c_out.asc");
    EXPECT_TRUE(written.contains("nodata_value -2.25\r\n")) << written.toStdString();
    EXPECT_TRUE(dialogs.callsOf("message").empty());
}
