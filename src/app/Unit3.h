#pragma once

#include <QDialog>
#include <memory>

namespace Ui {
class TAmortSch;
}

// The amortization-schedule window, shown modally by the loan page's Schedule button.
class TAmortSch final : public QDialog
{
    Q_OBJECT

public:
    explicit TAmortSch(QWidget* parent = nullptr);
    ~TAmortSch() override;

protected:
    void showEvent(QShowEvent* event) override;

private:
    std::unique_ptr<Ui::TAmortSch> ui;
};
