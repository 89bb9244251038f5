#pragma once

#include "calculators/CollegePlan.h"
#include "fields/TypedFields.h"
#include "widgets/BuiltOnFirstShow.h"

#include <QWidget>
#include <memory>

namespace Ui {
class CollegePage;
}

namespace app {

// The "Saving for College" page: the future cost of an education and the yearly saving it needs.
// Calculate and How To each run the other, so that one press refreshes the projection and the plan.
class CollegePage final : public BuiltOnFirstShow<QWidget>
{
    Q_OBJECT

public:
    // The fields the user types into or chooses, by their calculators' sections; the controls must be built.
    std::vector<TypedSection> typedSections() const;
    explicit CollegePage(QWidget* parent = nullptr);
    ~CollegePage() override;

Q_SIGNALS:
    // The page's Print button: the main window prints a picture of itself.
    void printWindowPressed();

private:
    void buildControls() override;
    // Calculate: the projection. Unless started by How To, a success goes on into How To. Returns whether the
    // fields passed their checks and the projection was shown.
    bool collegeCalculateButtonClicked(const QObject* sender);
    // How To: the savings plan, after running Calculate unless started by it.
    void collegeHowToButtonClicked(const QObject* sender);

    // The fields of the projection as Calculate last read them; the plan after it is of the same figures.
    calculators::CollegeCostInput cost;

    // The controls, which exist only once ensureBuilt() has run (the first show).
    BuiltControls<Ui::CollegePage> ui;
};

} // namespace app
