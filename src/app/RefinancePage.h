#pragma once

#include <QWidget>
#include <memory>

namespace Ui {
class RefinancePage;
}

// The "Refinancing a Home" page: the new payment, the monthly saving and the months to break even.
class RefinancePage final : public QWidget
{
    Q_OBJECT

public:
    explicit RefinancePage(QWidget* parent = nullptr);
    ~RefinancePage() override;

private:
    void Button1CalcRefinanceClick();

    std::unique_ptr<Ui::RefinancePage> ui;
};
