#pragma once

#include "shell/BuiltOnFirstShow.h"

#include <QWidget>
#include <memory>

namespace Ui {
class RefinancePage;
}

// The "Refinancing a Home" page: the new payment, the monthly saving and the months to break even.
class RefinancePage final : public app::BuiltOnFirstShow<QWidget>
{
    Q_OBJECT

public:
    explicit RefinancePage(QWidget* parent = nullptr);
    ~RefinancePage() override;

private:
    void buildControls() override;
    void refinanceCalculateButtonClicked();

    // The controls, which exist only once ensureBuilt() has run (the first show).
    app::BuiltControls<Ui::RefinancePage> ui;
};
