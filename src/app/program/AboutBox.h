#pragma once

#include <QDialog>
#include <memory>

namespace Ui {
class AboutBox;
}

namespace app {

// The About box: the program's version and the maker's contact details.
class AboutBox final : public QDialog
{
    Q_OBJECT

public:
    explicit AboutBox(QWidget* parent = nullptr);
    ~AboutBox() override;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void okButtonClicked();

    std::unique_ptr<Ui::AboutBox> ui;
};

} // namespace app
