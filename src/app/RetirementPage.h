#pragma once

#include <QWidget>
#include <memory>

namespace Ui {
class RetirementPage;
}

// The "Retirement Planning" page: the nest egg an inflation-adjusted income needs and the yearly saving for it.
class RetirementPage final : public QWidget
{
    Q_OBJECT

public:
    explicit RetirementPage(QWidget* parent = nullptr);
    ~RetirementPage() override;

private:
    std::unique_ptr<Ui::RetirementPage> ui;
};
