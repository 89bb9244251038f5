#pragma once

#include "Controls.h"
#include "RecordingDialogs.h"

#include <QAbstractButton>
#include <QLineEdit>
#include <QString>
#include <QTest>
#include <gtest/gtest.h>

// A page shown on its own and active, with the recorder emptied; its controls are found by name and
// typed into as a user would.
template <typename Page>
class ShownPage : public ::testing::Test
{
protected:
    void SetUp() override
    {
        recordedDialogs().reset();
        page.show();
        page.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&page));
    }

    template <typename Widget = QWidget>
    Widget* control(const char* name)
    {
        return find<Widget>(page, name);
    }
    QLineEdit* field(const char* name) { return control<QLineEdit>(name); }

    // Select all, delete, then type the text key by key; the field then holds it.
    void typeOver(const char* name, const char* text)
    {
        QLineEdit* edit = field(name);
        edit->selectAll();
        QTest::keyClick(edit, Qt::Key_Delete);
        QTest::keyClicks(edit, QString::fromUtf8(text));
        ASSERT_EQ(edit->text(), QString::fromUtf8(text)) << name;
    }
    void press(const char* button) { QTest::mouseClick(control<QAbstractButton>(button), Qt::LeftButton); }
    void expectWarning(const QString& text, const char* failingField) { expectWarningAt(field(failingField), text); }

    Page page;
};
