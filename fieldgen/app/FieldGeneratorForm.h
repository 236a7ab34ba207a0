#pragma once
#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QUrl>
#include <vector>

#include "FieldGenTesting.h"
#include "TfrmFieldGenerator.h"
#include "WindowTest.h"

// The parameter form, shown and active, working in the test's folder.
class FieldGeneratorForm : public WindowTest {
protected:
    FieldGeneratorForm() : WindowTest(WorkingDirectory::TestFolder) {
        QApplication::setQuitOnLastWindowClosed(false);
        form.show();
        form.activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(&form));
    }

    QWidget& windowUnderTest() override { return form; }
    QPushButton* button(const char* name) { return control<QPushButton>(name); }

    QByteArray written(const char* name) const { return fileBytes(folder.path(name)); }
    void go() { button("btnGo")->click(); }
    void useInitValue(const char* value) {
        if (!control<QCheckBox>("chkbxInitValue")->isChecked())
            control<QCheckBox>("chkbxInitValue")->click();
        field("edtInitValue")->setText(QString::fromLatin1(value));
    }
    // Replaces the edit's text by typing, key by key, as a user does.
    void typeInto(QLineEdit* edit, const QString& keys) {
        edit->setFocus();
        edit->selectAll();
        QTest::keyClicks(edit, keys);
    }

    std::vector<QUrl> opened;
    TfrmFieldGenerator form{dialogs, [this](const QUrl& url) { opened.push_back(url); }};
};
