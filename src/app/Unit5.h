#pragma once

#include <QWidget>
#include <memory>

namespace Ui {
class TForm5;
}

// The prepayment window: created hidden at start-up, shown modeless over the main window.
class TForm5 final : public QWidget
{
    Q_OBJECT

public:
    explicit TForm5(QWidget* parent = nullptr);
    ~TForm5() override;

protected:
    void showEvent(QShowEvent* event) override;

private:
    std::unique_ptr<Ui::TForm5> ui;
    bool placed = false;
};
