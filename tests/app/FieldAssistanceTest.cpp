// The field-assistance mechanism with a table of every kind of row.
#include "fields/FieldAssistance.h"

#include "RecordingDialogs.h"

#include <QCoreApplication>
#include <QLineEdit>
#include <QTest>
#include <gtest/gtest.h>

namespace {

TEST(FieldAssistance, AppliesEachRowOfItsTable)
{
    recordedDialogs().reset();
    QWidget window;
    auto* all = new QLineEdit(QStringLiteral("123456"), &window);
    auto* first = new QLineEdit(QStringLiteral("1234567890"), &window);
    auto* none = new QLineEdit(QStringLiteral("123456"), &window);
    first->move(0, 40);
    none->move(0, 80);
    QString order;
    new app::FieldAssistance(&window,
        {
            { all, app::selectAll(), {} },
            { first, app::selectFirst(9, [&] { order += first->hasSelectedText() ? u's' : u'a'; }),
                QStringLiteral("help") },
            { none, {}, QStringLiteral("only help") },
        });
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));

    const struct
    {
        QLineEdit* field;
        const char* selected;
        const char* help;
    } cases[] = { { all, "123456", nullptr }, { first, "123456789", "help" }, { none, "", "only help" } };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.selected);
        recordedDialogs().reset();
        QTest::mouseClick(c.field, Qt::LeftButton);
        QCoreApplication::processEvents();
        EXPECT_EQ(c.field->selectedText(), QString::fromUtf8(c.selected));
        QTest::mouseDClick(c.field, Qt::LeftButton);
        QCoreApplication::processEvents();
        ASSERT_EQ(recordedDialogs().shown.size(), c.help ? 1u : 0u);
        if (c.help) {
            EXPECT_EQ(recordedDialogs().shown[0].text, QString::fromUtf8(c.help));
        }
    }
    // The window's own action runs before the selection.
    EXPECT_EQ(order, QStringLiteral("a"));
}

} // namespace
