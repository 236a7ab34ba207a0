#include "QtUserDialogs.h"

#include <gtest/gtest-spi.h>
#include <gtest/gtest.h>

#include <QApplication>
#include <QFile>
#include <QFileDialog>
#include <QFileSystemModel>
#include <QListView>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <functional>

#include "ScriptedDialogs.h"

TEST(QtUserDialogs, FilterTextBecomesQtFilterWithAllFilesAsStar) {
    EXPECT_EQ(QtUserDialogs::toQtFilter("Grid-Dateien (*.grd)|*.grd|Alle Dateien (*.*)|*.*"),
              "Grid-Dateien (*.grd);;Alle Dateien (*)");
    EXPECT_EQ(QtUserDialogs::toQtFilter("*.*"), "*");
    EXPECT_EQ(QtUserDialogs::toQtFilter("*.asc"), "*.asc");
    EXPECT_EQ(QtUserDialogs::toQtFilter("Paletten|*.pal;*.PAL"), "Paletten (*.pal *.PAL)");
    EXPECT_EQ(QtUserDialogs::toQtFilter("Alles (*.*)|*.*;*"), "Alles (*)");
}

namespace {

// The names a Qt file dialog lists in `folder` under `filter` (translated as the dialogs do).
QStringList listedNames(const QString& folder, const QString& filter) {
    QFileDialog dialog(nullptr, QStringLiteral("t"), folder);
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setNameFilters(QtUserDialogs::toQtFilter(filter).split(QStringLiteral(";;")));
    dialog.selectNameFilter(dialog.nameFilters().last());
    dialog.show();
    auto* view = dialog.findChild<QListView*>(QStringLiteral("listView"));
    if (!view) return {};
    auto* model = qobject_cast<QFileSystemModel*>(view->model());
    QStringList names;
    QTest::qWaitFor(
        [&] {
            names.clear();
            for (int row = 0; row < view->model()->rowCount(view->rootIndex()); ++row) {
                const QModelIndex index = view->model()->index(row, 0, view->rootIndex());
                if (index.flags() & Qt::ItemIsEnabled) names << index.data().toString();
            }
            return names.size() >= 2;
        },
        3000);
    (void)model;
    names.sort();
    return names;
}

}  // namespace

TEST(QtUserDialogs, AllFilesShowsNamesWithoutAnExtension) {
    QTemporaryDir dir;
    for (const char* name : {"grid", "other.asc"}) {
        QFile file(dir.filePath(QString::fromLatin1(name)));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    }
    EXPECT_EQ(listedNames(dir.path(), "*.*"), (QStringList{"grid", "other.asc"}));
    EXPECT_EQ(listedNames(dir.path(), "Grid-Dateien (*.grd)|*.grd|Alle Dateien (*.*)|*.*"),
              (QStringList{"grid", "other.asc"}));
}

namespace {

// The icon of the message box that `show` opens; the box is closed with OK.
QMessageBox::Icon iconOfBox(const std::function<void()>& show) {
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QTimer::singleShot(0, [&] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            icon = box->icon();
            box->accept();
        }
    });
    show();
    return icon;
}

}  // namespace

TEST(QtUserDialogs, ErrorMessagesShowTheErrorIcon) {
    QtUserDialogs dialogs(nullptr);
    EXPECT_EQ(iconOfBox([&] { dialogs.errorMessage("Value is no number!", "Error"); }),
              QMessageBox::Critical);
    EXPECT_EQ(iconOfBox([&] { dialogs.message("Vistals Version", "About Vistals"); }),
              QMessageBox::Information);
}

TEST(ScriptedDialogs, RecordsCallsAndAnswersFromQueues) {
    ScriptedDialogs dialogs;
    dialogs.questionAnswers.push_back(UserDialogs::Answer::Yes);
    EXPECT_EQ(dialogs.question("t", "c", UserDialogs::Buttons::YesNo), UserDialogs::Answer::Yes);
    // An unanswered question the test allows cancels and is counted.
    {
        const auto allowed = dialogs.allowUnscripted();
        EXPECT_EQ(dialogs.question("t2", "c2", UserDialogs::Buttons::YesNoCancel),
                  UserDialogs::Answer::Cancel);
    }
    EXPECT_EQ(dialogs.unanswered, 1);
    dialogs.inputAnswers.push_back(QStringLiteral("5"));
    EXPECT_EQ(dialogs.inputQuery("Legend Label", "new Value", "1").value(), "5");
    ASSERT_EQ(dialogs.calls.size(), 3u);
    EXPECT_EQ(dialogs.calls[1].text, "t2");
    EXPECT_EQ(dialogs.calls[1].detail, "YesNoCancel");
    EXPECT_EQ(dialogs.callsOf("input").front().detail, "1");
    // Error boxes are messages marked as errors.
    dialogs.message("m", "c");
    dialogs.errorMessage("e", "c");
    const auto messages = dialogs.callsOf("message");
    ASSERT_EQ(messages.size(), 2u);
    EXPECT_EQ(messages[0].detail, "");
    EXPECT_EQ(messages[1].detail, "error");
    EXPECT_EQ(messages[1].text, "e");
}

// A dialog the test did not script fails the test with its kind and texts, and still gets the
// cancelling answer so that the program goes on.
TEST(ScriptedDialogs, AnUnscriptedDialogFailsTheTest) {
    ScriptedDialogs dialogs;
    UserDialogs::Answer answer = UserDialogs::Answer::Yes;
    EXPECT_NONFATAL_FAILURE(
        answer = dialogs.question("Save changes?", "Vistals", UserDialogs::Buttons::YesNo),
        "unscripted question dialog, caption \"Vistals\", text \"Save changes?\"");
    EXPECT_EQ(answer, UserDialogs::Answer::No);
    std::optional<QString> chosen = QStringLiteral("x");
    EXPECT_NONFATAL_FAILURE(chosen = dialogs.saveFile("Save Grid", "a.asc", "*.asc"),
                            "unscripted save dialog, caption \"Save Grid\"");
    EXPECT_FALSE(chosen.has_value());
    EXPECT_NONFATAL_FAILURE(dialogs.openFiles("Open Grid", "*.asc"), "unscripted open dialog");
    EXPECT_NONFATAL_FAILURE(dialogs.inputQuery("Legend Label", "new Value", "1"),
                            "unscripted input dialog");
    EXPECT_NONFATAL_FAILURE(dialogs.chooseColour(Colour{0xff}), "unscripted colour dialog");
    EXPECT_EQ(dialogs.unanswered, 5);
    // Messages need no answer and are only recorded.
    dialogs.message("m", "c");
    dialogs.errorMessage("e", "c");
    EXPECT_EQ(dialogs.calls.size(), 7u);
}
