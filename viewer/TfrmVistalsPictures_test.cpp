// Saving the shown palette to a palette file, offering palette files at start-up, and the
// picture and legend copies.
#include <QClipboard>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QSettings>
#include <QTemporaryDir>

#include "PalettePath.h"
#include "VistalsWindowTesting.h"

namespace {

// The palettes that come with the suite, offered after the user's.
constexpr int ShippedPalettes = 4;

const QString SaveFilter = "Vistal-Palette (*.vlp)|*.vlp|Alle Dateien (*.*)|*.*";

QByteArray contents(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

class WindowPalettes : public VistalsWindowTest {
protected:
    void SetUp() override { QSettings(QSettings::UserScope, "Tolmar-Tools").remove("PalettePath"); }
    QComboBox* paletteBox() { return control<QComboBox>("ComboBox1"); }
    QStringList paletteNames() {
        QStringList names;
        for (int i = 0; i < paletteBox()->count(); ++i) names << paletteBox()->itemText(i);
        return names;
    }
    // Saves the shown palette through the menu, answering the dialogs.
    void savePalette(const QString& fileName, std::optional<QString> name) {
        dialogs.saveAnswers.push_back(fileName);
        dialogs.inputAnswers.push_back(std::move(name));
        action("miSaveActualPalette")->trigger();
    }
    QTemporaryDir palettesFolder;
};

}  // namespace

TEST_F(WindowPalettes, SavesTheLegendColoursAndOffersThemAtTheNextStart) {
    start();
    paletteBox()->setCurrentIndex(2);
    paletteBox()->activated(2);
    const QString target = palettesFolder.filePath("wet to dry.vlp");
    savePalette(target, QString("wet  to dry"));

    ASSERT_EQ(dialogs.callsOf("save").size(), 1u);
    EXPECT_EQ(dialogs.callsOf("save")[0].caption, "Save palette as");
    EXPECT_EQ(dialogs.callsOf("save")[0].text, "VLPalette_1.vlp");
    EXPECT_EQ(dialogs.callsOf("save")[0].detail, SaveFilter);
    ASSERT_EQ(dialogs.callsOf("input").size(), 1u);
    EXPECT_EQ(dialogs.callsOf("input")[0].caption, "Save Palette - descriptive name");
    EXPECT_EQ(dialogs.callsOf("input")[0].text, "descriptive name to be shown in the combo box");
    EXPECT_EQ(dialogs.callsOf("input")[0].detail, "VLPalette_1");
    // Not offered before the next start.
    EXPECT_EQ(paletteBox()->count(), 6 + ShippedPalettes);
    EXPECT_EQ(GetPalettePath(), palettesFolder.path());
    EXPECT_TRUE(contents(target).startsWith("wet  to dry ")) << contents(target).toStdString();

    ScriptedDialogs nextDialogs;
    TfrmVistals next(nextDialogs, commands, document);
    next.show();
    next.FormShow({});
    auto* box = next.findChild<QComboBox*>("ComboBox1");
    // The user's palettes come before the suite's, so their numbers stay as they were.
    ASSERT_EQ(box->count(), 7 + ShippedPalettes);
    EXPECT_EQ(box->itemText(6), "wet  to dry");
    EXPECT_EQ(box->itemText(7), "Viridis (perceptual)");
    // Chosen, it colours the legend as the saved one did.
    const QRgb savedLowest = control<PaintBox>("LegendBox0")->canvas().pixel(3, 3);
    box->setCurrentIndex(6);
    box->activated(6);
    EXPECT_EQ(next.findChild<PaintBox*>("LegendBox0")->canvas().pixel(3, 3), savedLowest);
    // The next proposal counts the offered palette files.
    nextDialogs.saveAnswers.push_back(std::nullopt);
    next.findChild<QAction*>("miSaveActualPalette")->trigger();
    EXPECT_EQ(nextDialogs.callsOf("save")[0].text, palettesFolder.filePath("VLPalette_2.vlp"));
    EXPECT_TRUE(nextDialogs.callsOf("input").empty());
}

TEST_F(WindowPalettes, CancelledNameKeepsTheProposalAndAMissingExtensionIsAdded) {
    start();
    savePalette(palettesFolder.filePath("plain"), std::nullopt);
    EXPECT_TRUE(contents(palettesFolder.filePath("plain.vlp")).startsWith("VLPalette_1 FF0000 "));
}

TEST_F(WindowPalettes, ShortAndHiddenFilesAreNotOfferedAndTheOrderStaysTheSame) {
    QFile::copy(QStringLiteral(TOLMAR_SAMPLES "/palettes/earth.vlp"),
                palettesFolder.filePath("earth.vlp"));
    QFile short_(palettesFolder.filePath("short.vlp"));
    ASSERT_TRUE(short_.open(QIODevice::WriteOnly));
    short_.write("short FF 00FF \n");
    short_.close();
    QFile::copy(QStringLiteral(TOLMAR_SAMPLES "/palettes/earth.vlp"),
                palettesFolder.filePath(".hidden.vlp"));
    QFile::copy(QStringLiteral(TOLMAR_SAMPLES "/palettes/earth.vlp"),
                palettesFolder.filePath("again.vlp"));
    QSettings(QSettings::UserScope, "Tolmar-Tools").setValue("PalettePath", palettesFolder.path());
    start();
    const QStringList names = paletteNames();
    ASSERT_EQ(names.size(), 8 + ShippedPalettes);
    EXPECT_EQ(names[6], names[7]);

    ScriptedDialogs nextDialogs;
    TfrmVistals next(nextDialogs, commands, document);
    next.FormShow({});
    auto* box = next.findChild<QComboBox*>("ComboBox1");
    EXPECT_EQ(box->count(), 8 + ShippedPalettes);
}

TEST_F(WindowPalettes, AFileThatCannotBeWrittenIsReportedAndTheFolderRemembered) {
    start();
    const QString target = palettesFolder.filePath("missing/p.vlp");
    savePalette(target, QString("p"));
    ASSERT_EQ(dialogs.callsOf("message").size(), 1u);
    EXPECT_EQ(dialogs.callsOf("message")[0].caption, "Save palette as");
    EXPECT_TRUE(dialogs.callsOf("message")[0].text.startsWith(
        QString("The palette file \"%1\" could not be written: ").arg(target)));
    EXPECT_EQ(GetPalettePath(), palettesFolder.filePath("missing"));
}

TEST_F(VistalsWindowTest, CopiesThePictureAsDrawnWithoutTheAreaBesideIt) {
    start({file("wide.asc", asciiGrid(1))});
    picture()->setFixedSize(983, 624);
    settle();
    action("miCopyImage")->trigger();
    const QImage copy = QGuiApplication::clipboard()->image();
    // Three columns and two rows in a wider box: the height limits the picture.
    ASSERT_FALSE(copy.isNull());
    // The picture's size as the painting sizes it, not the box's.
    EXPECT_EQ(copy.height(), 623);
    EXPECT_EQ(copy.width(), 934);
    const QImage canvas = picture()->canvas();
    EXPECT_EQ(copy.convertToFormat(canvas.format()), canvas.copy(QRect(QPoint(), copy.size())));
    EXPECT_EQ(pixel(QPoint(copy.width(), 10)), 0xC0C0C0u);  // the silver area beside it
    EXPECT_NE(copy.pixel(copy.width() - 1, 10) & 0xFFFFFF, pixel(QPoint(copy.width(), 10)));
}

TEST_F(VistalsWindowTest, CopiesTheLegendWithItsBoxesAndLabels) {
    start({file("wide.asc", asciiGrid(1))});
    action("miCopyLegend")->trigger();
    const QImage copy = QGuiApplication::clipboard()->image();
    auto* legend = control<PaintBox>("PaintBoxLegend");
    ASSERT_EQ(copy.size(), legend->size());
    for (int k = 0; k <= 20; ++k) {
        auto* box = control<PaintBox>(qPrintable(QString("LegendBox%1").arg(k)));
        const QPoint centre = box->geometry().center();
        EXPECT_EQ(copy.pixel(centre) & 0xFFFFFF,
                  box->canvas().pixel(box->rect().center()) & 0xFFFFFF)
            << k;
    }
    EXPECT_EQ(copy.convertToFormat(legend->canvas().format()), legend->canvas());
}

TEST_F(VistalsWindowTest, TheProfileWindowIsClosedForTheCopiesAndOpenAgainAfterThem) {
    start({file("wide.asc", asciiGrid(1))});
    action("miShowProfile")->trigger();
    auto* profile = control<QWidget>("frmVLProfile");
    ASSERT_TRUE(profile->isVisible());
    int hidden = 0;
    struct HideCounter : QObject {
        int& count;
        explicit HideCounter(int& c) : count(c) {}
        bool eventFilter(QObject*, QEvent* event) override {
            if (event->type() == QEvent::Hide) ++count;
            return false;
        }
    } counter(hidden);
    profile->installEventFilter(&counter);
    action("miCopyImage")->trigger();
    action("miCopyLegend")->trigger();
    profile->removeEventFilter(&counter);
    EXPECT_EQ(hidden, 2);
    EXPECT_TRUE(profile->isVisible());
    EXPECT_TRUE(action("miShowProfile")->isChecked());
    EXPECT_EQ(QGuiApplication::clipboard()->image().size(),
              control<QWidget>("PaintBoxLegend")->size());
}
