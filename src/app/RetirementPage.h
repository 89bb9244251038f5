#pragma once

#include <QWidget>
#include <memory>

namespace Ui {
class RetirementPage;
}

namespace calculators {
struct RetirementInput;
}

// The "Retirement Planning" page: the nest egg an inflation-adjusted income needs and the yearly saving for it.
class RetirementPage final : public QWidget
{
    Q_OBJECT

public:
    explicit RetirementPage(QWidget* parent = nullptr);
    ~RetirementPage() override;

private:
    void Button5Click();
    void Button8Click();

    // The page's six fields checked in order; the first failure warns and selects its field.
    bool needFieldsPass();
    calculators::RetirementInput needInput() const;

    std::unique_ptr<Ui::RetirementPage> ui;
};
