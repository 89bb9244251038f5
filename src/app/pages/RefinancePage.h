#pragma once

#include "fields/TypedFields.h"
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
    // The fields the user types into or chooses, by their calculators' sections; the controls must be built.
    std::vector<TypedSection> typedSections() const;
    explicit RefinancePage(QWidget* parent = nullptr);
    ~RefinancePage() override;

private:
    void buildControls() override;
    void refinanceCalculateButtonClicked();

    // The controls, which exist only once ensureBuilt() has run (the first show).
    BuiltControls<Ui::RefinancePage> ui;
};

} // namespace app
