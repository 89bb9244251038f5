#pragma once

#include <QString>
#include <functional>

class QWidget;

// Answers the next modal window: once it is the active modal widget, hands it to the action (which
// must close it). Returns at once; the action runs inside the modal loop.
void whenModalShows(std::function<void(QWidget*)> action);

// How many top-level widgets of a class still exist (after deferred deletes ran).
int liveTopLevelCount(const char* className);
