#pragma once

#include "fields/TypedFields.h"
#include "widgets/BuiltOnFirstShow.h"

#include <QWidget>
#include <memory>

namespace Ui {
class SavingsPage;
}

namespace app {

// The "Savings and Interest Rates" page: savings growth with regular contributions and the required rate of return.
class SavingsPage final : public BuiltOnFirstShow<QWidget>
{
    Q_OBJECT

public:
    // The fields the user types into or chooses, by their calculators' sections; the controls must be built.
    std::vector<TypedSection> typedSections() const;
    explicit SavingsPage(QWidget* parent = nullptr);
    ~SavingsPage() override;

private:
    void buildControls() override;
    void growthCalculateButtonClicked(); // Calculate: savings growth
    void returnCalculateButtonClicked(); // Calculate: the required rate of return

    // The controls, which exist only once ensureBuilt() has run (the first show).
    BuiltControls<Ui::SavingsPage> ui;
};

} // namespace app
