#pragma once

#include <QString>
#include <utility>
#include <variant>
#include <vector>

namespace quillorbitex {

// Why a stored JSON value could not be read. `codingPath` names the value that failed, such as
// "[2].pattern.directions"; `description` says what was wrong with it.
struct DecodingError {
    enum class Kind {
        keyNotFound,    // a required key is missing
        valueNotFound,  // a required value is null
        typeMismatch,   // a value has the wrong JSON type
        dataCorrupted,  // not JSON, an unknown name, or a value that breaks a rule of its type
    };

    Kind kind = Kind::dataCorrupted;
    QString codingPath;
    QString description;

    friend bool operator==(const DecodingError&, const DecodingError&) = default;
};

// A decoded value or the error that stopped decoding.
template <typename T>
class DecodeResult {
public:
    DecodeResult(T value) : result_(std::in_place_index<0>, std::move(value)) {}
    DecodeResult(DecodingError error) : result_(std::in_place_index<1>, std::move(error)) {}

    bool ok() const { return result_.index() == 0; }
    explicit operator bool() const { return ok(); }

    // Only when ok().
    const T& value() const& { return std::get<0>(result_); }
    T&& value() && { return std::get<0>(std::move(result_)); }
    const T* operator->() const { return &std::get<0>(result_); }
    // Only when not ok().
    const DecodingError& error() const { return std::get<1>(result_); }

private:
    std::variant<T, DecodingError> result_;
};

// A list read element by element: the elements that could be read, in order, and an error for
// each one that could not (or a single error when the document is not a list at all).
template <typename T>
struct PartialDecodeResult {
    std::vector<T> values;
    std::vector<DecodingError> errors;

    bool isComplete() const { return errors.empty(); }
};

}  // namespace quillorbitex
