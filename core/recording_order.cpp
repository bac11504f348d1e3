#include "core/recording_order.h"

#include <QRegularExpression>
#include <algorithm>

namespace veltrano {

namespace {

// GoPro numbers a recording in the last four digits and its parts (chapters) in the two before
// them; the first part of an older camera's recording carries no part number at all.
QString RecordingKey(const QString& path) {
    const qsizetype slash = path.lastIndexOf(QLatin1Char('/'));
    const QString folder = path.left(slash + 1);
    const QString name = path.mid(slash + 1);
    static const QRegularExpression chaptered(QStringLiteral("^(G[HX])(\\d\\d)(\\d{4})(\\..*)?$"),
                                              QRegularExpression::CaseInsensitiveOption);
    static const QRegularExpression olderFirst(QStringLiteral("^GOPR(\\d{4})(\\..*)?$"),
                                               QRegularExpression::CaseInsensitiveOption);
    static const QRegularExpression olderPart(QStringLiteral("^GP(\\d\\d)(\\d{4})(\\..*)?$"),
                                              QRegularExpression::CaseInsensitiveOption);
    if (const auto m = chaptered.match(name); m.hasMatch()) {
        return folder + m.captured(1) + m.captured(3) + QLatin1Char(' ') + m.captured(2) +
               m.captured(4);
    }
    if (const auto m = olderFirst.match(name); m.hasMatch()) {
        return folder + QStringLiteral("GOPR") + m.captured(1) + QStringLiteral(" 00") +
               m.captured(2);
    }
    if (const auto m = olderPart.match(name); m.hasMatch()) {
        return folder + QStringLiteral("GOPR") + m.captured(2) + QLatin1Char(' ') + m.captured(1) +
               m.captured(3);
    }
    return path;
}

// Compares runs of digits by value and everything else without case; a shorter run of equal
// value ("clip02" against "clip2") decides only at the very end.
int NaturalCompare(const QString& a, const QString& b) {
    qsizetype i = 0;
    qsizetype j = 0;
    int zeroTieBreak = 0;
    while (i < a.size() && j < b.size()) {
        if (a[i].isDigit() && b[j].isDigit()) {
            const qsizetype startA = i;
            const qsizetype startB = j;
            while (i < a.size() && a[i].isDigit())
                ++i;
            while (j < b.size() && b[j].isDigit())
                ++j;
            QStringView runA = QStringView(a).mid(startA, i - startA);
            QStringView runB = QStringView(b).mid(startB, j - startB);
            const qsizetype lengthA = runA.size();
            const qsizetype lengthB = runB.size();
            while (runA.size() > 1 && runA.front() == QLatin1Char('0'))
                runA = runA.mid(1);
            while (runB.size() > 1 && runB.front() == QLatin1Char('0'))
                runB = runB.mid(1);
            if (runA.size() != runB.size()) {
                return runA.size() < runB.size() ? -1 : 1;
            }
            if (const int c = runA.compare(runB); c != 0) {
                return c < 0 ? -1 : 1;
            }
            if (zeroTieBreak == 0 && lengthA != lengthB) {
                zeroTieBreak = lengthA < lengthB ? -1 : 1;
            }
            continue;
        }
        const QChar ca = a[i].toCaseFolded();
        const QChar cb = b[j].toCaseFolded();
        if (ca != cb) {
            return ca < cb ? -1 : 1;
        }
        ++i;
        ++j;
    }
    if (i < a.size() || j < b.size()) {
        return i < a.size() ? 1 : -1;
    }
    return zeroTieBreak;
}

}  // namespace

bool RecordingOrderLess(const QString& pathA, const QString& pathB) {
    if (const int c = NaturalCompare(RecordingKey(pathA), RecordingKey(pathB)); c != 0) {
        return c < 0;
    }
    return pathA < pathB;  // names equal but for case: any fixed order will do
}

QStringList InRecordingOrder(QStringList paths) {
    std::stable_sort(paths.begin(), paths.end(), RecordingOrderLess);
    return paths;
}

}  // namespace veltrano
