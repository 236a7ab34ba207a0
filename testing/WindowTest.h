#pragma once
// The common ground of the window tests: dialogs answered from the test's script (a dialog the
// test did not script fails it), files in a temporary folder, and the window's controls found
// by their object names, as the user finds them by their place.
#include <gtest/gtest.h>

#include <QAction>
#include <QDir>
#include <QLineEdit>
#include <QWidget>
#include <optional>
#include <vector>

#include "ScriptedDialogs.h"
#include "TestFolder.h"

class WindowTest : public ::testing::Test {
protected:
    enum class WorkingDirectory { Unchanged, TestFolder };
    // With WorkingDirectory::TestFolder the window is made while the test's folder is the
    // working directory already.
    explicit WindowTest(WorkingDirectory directory = WorkingDirectory::Unchanged) {
        if (directory == WorkingDirectory::TestFolder) workInFolder();
    }
    ~WindowTest() override {
        if (previousDirectory_) QDir::setCurrent(*previousDirectory_);
    }

    // The window whose controls `control` finds.
    virtual QWidget& windowUnderTest() = 0;

    template <class Control = QWidget>
    Control* control(const char* name) {
        auto* found = windowUnderTest().findChild<Control*>(QLatin1String(name));
        EXPECT_NE(found, nullptr) << name;
        return found;
    }
    QAction* action(const char* name) { return control<QAction>(name); }
    QLineEdit* field(const char* name) { return control<QLineEdit>(name); }

    std::vector<ScriptedDialogs::Call> messages() const { return dialogs.callsOf("message"); }

    // Makes the test's folder the working directory until the test ends.
    void workInFolder() {
        if (!previousDirectory_) previousDirectory_ = QDir::currentPath();
        QDir::setCurrent(folder.path("."));
    }

    TestFolder folder;
    ScriptedDialogs dialogs;

private:
    std::optional<QString> previousDirectory_;
};
