#include "ModalHelper.h"

#include <QApplication>
#include <QCoreApplication>
#include <QEvent>
#include <QTimer>
#include <QWidget>
#include <memory>
#include <utility>

void whenModalShows(std::function<void(QWidget*)> action)
{
    // The timer deletes itself once it has answered or given up. (Holding it in a shared pointer that its own
    // slot captured kept every timer alive for the rest of the run.)
    auto* timer = new QTimer;
    auto tries = std::make_shared<int>(0);
    timer->setInterval(10);
    QObject::connect(timer, &QTimer::timeout, [timer, tries, action = std::move(action)] {
        QWidget* modal = QApplication::activeModalWidget();
        if (!modal && ++*tries < 500)
            return;
        timer->stop();
        if (modal)
            action(modal);
        timer->deleteLater();
    });
    timer->start();
}

int liveTopLevelCount(const char* className)
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    int count = 0;
    for (QWidget* widget : QApplication::topLevelWidgets())
        if (widget->inherits(className))
            ++count;
    return count;
}
