#pragma once

#include <QWidget>
#include <memory>

namespace Ui {
class SavingsPage;
}

// The "Savings and Interest Rates" page: savings growth with regular contributions and the required rate of return.
class SavingsPage final : public QWidget
{
    Q_OBJECT

public:
    explicit SavingsPage(QWidget* parent = nullptr);
    ~SavingsPage() override;

private:
    void Button1Click();
    void Button4Click();

    std::unique_ptr<Ui::SavingsPage> ui;
};
