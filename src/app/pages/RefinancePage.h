#pragma once

#include "widgets/BuiltOnFirstShow.h"

#include <QWidget>
#include <memory>

namespace Ui {
class RefinancePage;
}

namespace app {

// The "Refinancing a Home" page: the new payment, the monthly saving and the months to break even.
class RefinancePage final : public BuiltOnFirstShow<QWidget>
{
    Q_OBJECT

public:
    explicit RefinancePage(QWidget* parent = nullptr);
    ~RefinancePage() override;

private:
    void buildControls() override;
    void refinanceCalculateButtonClicked();

    // The controls, which exist only once ensureBuilt() has run (the first show).
    BuiltControls<Ui::RefinancePage> ui;
};

} // namespace app
