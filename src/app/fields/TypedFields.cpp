#include "fields/TypedFields.h"

#include "regional/ShortDate.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QDateEdit>
#include <QLineEdit>
#include <QSpinBox>
#include <QTableWidget>
#include <algorithm>
#include <cstddef>
#include <map>
#include <string>
#include <vector>

namespace app {

namespace {

std::string textOf(const TypedField& typed)
{
    QWidget* control = typed.control;
    if (const auto* edit = qobject_cast<const QLineEdit*>(control))
        return edit->text().toStdString();
    if (const auto* spin = qobject_cast<const QSpinBox*>(control))
        return spin->cleanText().toStdString();
    if (const auto* combo = qobject_cast<const QComboBox*>(control))
        return std::to_string(combo->currentIndex() + 1);
    if (const auto* date = qobject_cast<const QDateEdit*>(control)) {
        const QDate shown = date->date();
        return regional::isoDateText({ shown.year(), shown.month(), shown.day() });
    }
    const auto* button = qobject_cast<const QAbstractButton*>(control);
    Q_ASSERT(button);
    return button->isChecked() ? "yes" : "no";
}

void show(const TypedField& typed, const std::string& text)
{
    QWidget* control = typed.control;
    const QString shown = QString::fromStdString(text);
    if (auto* edit = qobject_cast<QLineEdit*>(control)) {
        edit->setText(shown);
    } else if (auto* spin = qobject_cast<QSpinBox*>(control)) {
        bool read = false;
        const int value = shown.trimmed().toInt(&read);
        if (read)
            spin->setValue(value);
    } else if (auto* combo = qobject_cast<QComboBox*>(control)) {
        bool read = false;
        const int number = shown.toInt(&read);
        if (read && number >= 1 && number <= combo->count())
            combo->setCurrentIndex(number - 1);
    } else if (auto* date = qobject_cast<QDateEdit*>(control)) {
        if (const auto day = regional::isoDate(text))
            date->setDate(QDate(day->year, day->month, day->day));
    } else if (auto* button = qobject_cast<QAbstractButton*>(control)) {
        button->setChecked(text == "yes");
    }
}

// A grid's rows that hold a text, each its cells by their columns' keys.
void addGridRows(const TypedField& typed, calculators::FieldTexts& texts)
{
    const auto& grid = *qobject_cast<const QTableWidget*>(typed.control);
    for (int row = 0; row < grid.rowCount(); ++row) {
        calculators::FieldTexts::Row cells;
        bool typedIn = false;
        for (std::size_t column = 0; column < typed.columns.size(); ++column) {
            const QTableWidgetItem* item = grid.item(row, static_cast<int>(column));
            const std::string text = item ? item->text().toStdString() : std::string();
            typedIn = typedIn || !text.empty();
            cells.emplace(typed.columns[column], text);
        }
        if (typedIn)
            texts.addRow(typed.field, std::move(cells));
    }
}

void showGridRows(const TypedField& typed, const calculators::FieldTexts& texts)
{
    auto& grid = *qobject_cast<QTableWidget*>(typed.control);
    const auto& rows = texts.rows(typed.field);
    grid.setRowCount(static_cast<int>(rows.size()));
    for (std::size_t row = 0; row < rows.size(); ++row)
        for (std::size_t column = 0; column < typed.columns.size(); ++column)
            grid.setItem(static_cast<int>(row), static_cast<int>(column),
                new QTableWidgetItem(QString::fromStdString(calculators::cellText(rows[row], typed.columns[column]))));
}

} // namespace

calculators::FieldTexts typedTexts(std::span<const TypedField> fields)
{
    calculators::FieldTexts texts;
    std::map<std::string_view, std::vector<calculators::FieldTexts::Row>> tables;
    for (const TypedField& typed : fields) {
        if (!typed.columns.empty()) {
            addGridRows(typed, texts);
        } else if (typed.row >= 0) {
            auto& rows = tables[typed.field];
            rows.resize(std::max(rows.size(), static_cast<std::size_t>(typed.row) + 1));
            rows[static_cast<std::size_t>(typed.row)].insert_or_assign(std::string(typed.key), textOf(typed));
        } else if (!typed.choice.empty()) {
            if (qobject_cast<const QAbstractButton*>(typed.control)->isChecked())
                texts.set(typed.field, std::string(typed.choice));
        } else {
            texts.set(typed.field, textOf(typed));
        }
    }
    for (auto& [table, rows] : tables)
        for (auto& row : rows)
            texts.addRow(table, std::move(row));
    return texts;
}

void showTypedTexts(std::span<const TypedField> fields, const calculators::FieldTexts& texts)
{
    for (const TypedField& typed : fields) {
        if (!typed.columns.empty()) {
            showGridRows(typed, texts);
        } else if (typed.row >= 0) {
            const auto& rows = texts.rows(typed.field);
            if (static_cast<std::size_t>(typed.row) < rows.size())
                show(typed, calculators::cellText(rows[static_cast<std::size_t>(typed.row)], typed.key));
        } else if (!typed.choice.empty()) {
            if (texts.text(typed.field) == typed.choice)
                qobject_cast<QAbstractButton*>(typed.control)->setChecked(true);
        } else if (texts.has(typed.field)) {
            show(typed, texts.text(typed.field));
        }
    }
}

void watchTypedFields(std::span<const TypedField> fields, QObject* context, const std::function<void()>& changed)
{
    for (const TypedField& typed : fields) {
        QWidget* control = typed.control;
        if (auto* grid = qobject_cast<QTableWidget*>(control)) {
            QObject::connect(grid, &QTableWidget::itemChanged, context, changed);
            QObject::connect(grid->model(), &QAbstractItemModel::rowsInserted, context, changed);
            QObject::connect(grid->model(), &QAbstractItemModel::rowsRemoved, context, changed);
        } else if (auto* edit = qobject_cast<QLineEdit*>(control))
            QObject::connect(edit, &QLineEdit::textChanged, context, changed);
        else if (auto* spin = qobject_cast<QSpinBox*>(control))
            QObject::connect(spin, &QSpinBox::textChanged, context, changed);
        else if (auto* combo = qobject_cast<QComboBox*>(control))
            QObject::connect(combo, &QComboBox::currentIndexChanged, context, changed);
        else if (auto* date = qobject_cast<QDateEdit*>(control))
            QObject::connect(date, &QDateEdit::dateChanged, context, changed);
        else if (auto* button = qobject_cast<QAbstractButton*>(control))
            QObject::connect(button, &QAbstractButton::toggled, context, changed);
    }
}

} // namespace app
