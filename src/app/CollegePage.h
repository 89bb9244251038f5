#pragma once

#include <QWidget>
#include <memory>

namespace Ui {
class CollegePage;
}

// The "Saving for College" page: the future cost of an education and the yearly saving it needs.
class CollegePage final : public QWidget
{
    Q_OBJECT

public:
    explicit CollegePage(QWidget* parent = nullptr);
    ~CollegePage() override;

private:
    std::unique_ptr<Ui::CollegePage> ui;
};
