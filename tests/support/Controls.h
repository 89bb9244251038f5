#pragma once

#include <QObject>
#include <QString>
#include <QWidget>
#include <gtest/gtest.h>

// The control of that objectName anywhere below root (a window, a page, a box), of class W. A control that is
// missing, or of another class, fails the test with its name.
template <typename W = QWidget>
W* find(const QObject& root, const char* name)
{
    auto* found = root.findChild<W*>(QString::fromLatin1(name));
    EXPECT_NE(found, nullptr) << "no " << W::staticMetaObject.className() << " named " << name << " in "
                              << root.objectName().toStdString();
    return found;
}
