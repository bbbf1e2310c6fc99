#include "Application/VersionComparison.h"

#include <vector>

namespace quillorbitex {

namespace {

struct Part {
    bool isNumber;
    QStringView text;
};

std::vector<Part> split(QStringView version) {
    std::vector<Part> parts;
    qsizetype i = 0;
    while (i < version.size()) {
        const QChar c = version[i];
        const bool digit = c.isDigit();
        if (!digit && !c.isLetter()) {
            ++i;
            continue;
        }
        qsizetype end = i + 1;
        while (end < version.size() && (digit ? version[end].isDigit() : version[end].isLetter())) {
            ++end;
        }
        parts.push_back(Part{digit, version.sliced(i, end - i)});
        i = end;
    }
    return parts;
}

// Decimal digit runs of any length, by value.
int compareNumbers(QStringView a, QStringView b) {
    while (a.size() > 1 && a.front() == u'0') {
        a = a.sliced(1);
    }
    while (b.size() > 1 && b.front() == u'0') {
        b = b.sliced(1);
    }
    if (a.size() != b.size()) {
        return a.size() < b.size() ? -1 : 1;
    }
    return a.compare(b);
}

bool isZero(const Part& part) {
    for (const QChar c : part.text) {
        if (c != u'0') {
            return false;
        }
    }
    return true;
}

// How a version that goes on after the other has ended compares with it.
int compareRemainder(const std::vector<Part>& parts, std::size_t from) {
    for (std::size_t i = from; i < parts.size(); ++i) {
        if (!parts[i].isNumber) {
            return -1;  // "1.0b1" after "1.0": a pre-release of it
        }
        if (!isZero(parts[i])) {
            return 1;
        }
    }
    return 0;
}

}  // namespace

int compareVersions(QStringView a, QStringView b) {
    const std::vector<Part> left = split(a);
    const std::vector<Part> right = split(b);
    const std::size_t common = std::min(left.size(), right.size());
    for (std::size_t i = 0; i < common; ++i) {
        const Part& l = left[i];
        const Part& r = right[i];
        if (l.isNumber != r.isNumber) {
            return l.isNumber ? 1 : -1;  // a release part beats a pre-release tag
        }
        const int order = l.isNumber ? compareNumbers(l.text, r.text)
                                     : l.text.compare(r.text, Qt::CaseInsensitive);
        if (order != 0) {
            return order < 0 ? -1 : 1;
        }
    }
    if (left.size() > common) {
        return compareRemainder(left, common);
    }
    if (right.size() > common) {
        return -compareRemainder(right, common);
    }
    return 0;
}

}  // namespace quillorbitex
