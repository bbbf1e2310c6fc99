#pragma once

#include <QString>
#include <QVariant>
#include <optional>
#include <vector>

#include "Platform/RawValueEnum.h"

namespace quillorbitex {

// One entry of a picker over an enumeration: the option's label, tagged with the option. The
// tag is the option's raw value, so a picker's item data names its option whatever the language.
template <typename Option>
struct PickerRow {
    Option option;
    QString label;

    QVariant tag() const {
        const std::string_view raw = rawValue(option);
        return QString::fromLatin1(raw.data(), static_cast<qsizetype>(raw.size()));
    }
};

// The row of `option`, labelled by `label(option)`.
template <typename Option, typename Label>
PickerRow<Option> pickerRow(Option option, const Label& label) {
    return {option, label(option)};
}

// A row for every case of the enumeration, in declaration order.
template <typename Option, typename Label>
std::vector<PickerRow<Option>> pickerRows(const Label& label) {
    std::vector<PickerRow<Option>> rows;
    for (const Option option : allCases<Option>()) {
        rows.push_back(pickerRow(option, label));
    }
    return rows;
}

// Puts the rows into a picker (a QComboBox or a SegmentedPicker). An empty picker is filled; one
// that already holds that many items takes the new labels in place, so its choice stays (what a
// language change needs). Emits what the picker emits for those changes, so block its signals
// when that matters.
template <typename Picker, typename Option>
void setPickerRows(Picker& picker, const std::vector<PickerRow<Option>>& rows) {
    if (picker.count() == static_cast<int>(rows.size())) {
        for (int i = 0; i < picker.count(); ++i) {
            picker.setItemText(i, rows[static_cast<std::size_t>(i)].label);
        }
        return;
    }
    for (const PickerRow<Option>& row : rows) {
        picker.addItem(row.label, row.tag());
    }
}

// The option of the item at `index`; none for an index or tag that names no option.
template <typename Option, typename Picker>
std::optional<Option> pickedOption(const Picker& picker, int index) {
    return fromRawValue<Option>(picker.itemData(index).toString().toStdString());
}

// Chooses the item of `option` (nothing chosen when the picker lacks it).
template <typename Picker, typename Option>
void selectOption(Picker& picker, Option option) {
    picker.setCurrentIndex(picker.findData(PickerRow<Option>{option, {}}.tag()));
}

}  // namespace quillorbitex
