#pragma once

#include <QDialog>
#include <memory>

namespace Ui {
class TFormAbout;
}

// The About box: the program's version and the maker's contact details.
class TFormAbout final : public QDialog
{
    Q_OBJECT

public:
    explicit TFormAbout(QWidget* parent = nullptr);
    ~TFormAbout() override;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void ButtonAboutOKClick();

    std::unique_ptr<Ui::TFormAbout> ui;
};
