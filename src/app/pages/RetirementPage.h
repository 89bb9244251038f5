#pragma once

#include "fields/TypedFields.h"
#include "widgets/BuiltOnFirstShow.h"

#include <QWidget>
#include <memory>
#include <optional>

namespace Ui {
class RetirementPage;
}

namespace calculators {
struct RetirementInput;
}

namespace app {

// The "Retirement Planning" page: the nest egg an inflation-adjusted income needs and the yearly saving for it.
class RetirementPage final : public BuiltOnFirstShow<QWidget>
{
    Q_OBJECT

public:
    // The fields the user types into or chooses, by their calculators' sections; the controls must be built.
    std::vector<TypedSection> typedSections() const;
    explicit RetirementPage(QWidget* parent = nullptr);
    ~RetirementPage() override;

Q_SIGNALS:
    // The page's Print button: the main window prints a picture of itself.
    void printWindowPressed();

private:
    void buildControls() override;
    void retirementCalculateButtonClicked(); // Calculate: the need at retirement
    void retirementHowToButtonClicked(); // How To: the savings plan

    // The page's six fields checked in order; the first failure warns and selects its field.
    // The need's fields as read, or none when one is refused (its warning shown).
    std::optional<calculators::RetirementInput> readNeed();

    // The controls, which exist only once ensureBuilt() has run (the first show).
    BuiltControls<Ui::RetirementPage> ui;
};

} // namespace app
