#include "save/text_patch.h"

#include <algorithm>
#include <cstddef>
#include <limits>
#include <map>
#include <numeric>
#include <optional>
#include <utility>

#include "save/line_diff.h"
#include "save/text_lines.h"
#include "save/written_statements.h"

namespace mapedit {

namespace {

using Statements = std::vector<SourceStatement>;
constexpr std::size_t kUnpaired = std::numeric_limits<std::size_t>::max();

int partCount(const Statements& statements) {
    return statements.empty() ? 0 : statements.back().part + 1;
}

// Which statement of the designer's text says what each statement of the
// writer's text says: the n-th statement of a keyword in a part is the n-th
// the writer wrote there, as the writer keeps reading order. Where the
// counts differ, no statement of that keyword in that part is paired.
std::vector<std::size_t> pairStatements(const Statements& source, const Statements& fixed) {
    using Key = std::pair<int, std::string_view>;
    std::map<Key, std::pair<std::vector<std::size_t>, std::vector<std::size_t>>> groups;
    for (std::size_t i = 0; i < source.size(); ++i) {
        groups[{source[i].part, source[i].keyword}].first.push_back(i);
    }
    for (std::size_t i = 0; i < fixed.size(); ++i) {
        groups[{fixed[i].part, fixed[i].keyword}].second.push_back(i);
    }
    std::vector<std::size_t> pairs(fixed.size(), kUnpaired);
    for (const auto& [key, members] : groups) {
        const auto& [inSource, inFixed] = members;
        if (inSource.size() != inFixed.size()) continue;
        for (std::size_t n = 0; n < inFixed.size(); ++n) pairs[inFixed[n]] = inSource[n];
    }
    return pairs;
}

// The statements of one part of a writer's text.
struct PartStatements {
    std::vector<std::string_view> texts;
    std::vector<std::size_t> indexes;  // into the whole text's statements

    PartStatements(std::string_view text, const Statements& statements, int part) {
        for (std::size_t i = 0; i < statements.size(); ++i) {
            if (statements[i].part != part) continue;
            texts.push_back(statementText(text, statements[i]));
            indexes.push_back(i);
        }
    }
};

enum class Fate { Keep, Drop, Replace };

// What becomes of each statement of the designer's text.
struct Plan {
    explicit Plan(std::size_t statements, int parts)
        : fate(statements, Fate::Keep),
          was(statements),
          now(statements),
          after(statements),
          rewritten(static_cast<std::size_t>(parts), false) {}
    std::vector<Fate> fate;
    std::vector<std::string_view> was;  // the writer's old text of a replaced statement
    std::vector<std::string_view> now;  // and its new text
    std::vector<std::vector<std::string_view>> after;  // new statements after each
    std::vector<bool> rewritten;                       // per part
    std::vector<int> became;  // the part of the new text each part is, or -1
};

// The writer's texts before and after, split, with the pairing of the
// statements before to the designer's.
struct Texts {
    const KeptText& kept;
    const Statements& before;
    std::string_view fixedAfter;
    const Statements& after;
    const std::vector<std::size_t>& pairs;
};

// Follows the writer's changes within one part: a changed statement is
// replaced by the new one of its keyword in the same hunk, the others of
// the hunk go, and a new one follows the designer's statement of the one
// before it. False when that cannot be done safely.
bool planPart(Plan& plan, const Texts& t, int part, int newPart) {
    const PartStatements old(t.kept.fixedText, t.before, part);
    const PartStatements now(t.fixedAfter, t.after, newPart);
    auto source = [&](std::size_t i) { return t.pairs[old.indexes[i]]; };
    auto oldKeyword = [&](std::size_t i) -> std::string_view {
        return t.before[old.indexes[i]].keyword;
    };
    auto newKeyword = [&](std::size_t j) -> std::string_view {
        return t.after[now.indexes[j]].keyword;
    };
    std::size_t anchor = kUnpaired;
    for (const DiffHunk& hunk : diffLines(old.texts, now.texts)) {
        if (hunk.same) {
            for (std::size_t i = hunk.oldBegin; i < hunk.oldEnd; ++i) {
                if (source(i) != kUnpaired) anchor = source(i);
            }
            continue;
        }
        std::vector<bool> replaced(hunk.oldEnd - hunk.oldBegin, false);
        for (std::size_t j = hunk.newBegin; j < hunk.newEnd; ++j) {
            std::size_t match = hunk.oldBegin;
            while (match < hunk.oldEnd &&
                   (replaced[match - hunk.oldBegin] || oldKeyword(match) != newKeyword(j))) {
                ++match;
            }
            if (match < hunk.oldEnd) {
                replaced[match - hunk.oldBegin] = true;
                const std::size_t s = source(match);
                if (s == kUnpaired) return false;
                plan.fate[s] = Fate::Replace;
                plan.was[s] = old.texts[match];
                plan.now[s] = now.texts[j];
                anchor = s;
            } else {
                if (anchor == kUnpaired) return false;
                plan.after[anchor].push_back(now.texts[j]);
            }
        }
        for (std::size_t i = hunk.oldBegin; i < hunk.oldEnd; ++i) {
            if (replaced[i - hunk.oldBegin]) continue;
            if (source(i) == kUnpaired) return false;
            plan.fate[source(i)] = Fate::Drop;
        }
    }
    return true;
}

// A part planned in vain leaves no trace but its being written afresh.
void rewritePart(Plan& plan, const Statements& source, int part) {
    plan.rewritten[static_cast<std::size_t>(part)] = true;
    for (std::size_t s = 0; s < source.size(); ++s) {
        if (source[s].part != part) continue;
        plan.fate[s] = Fate::Keep;
        plan.after[s].clear();
    }
}

// A part gone: its statements go, the comments before them stay.
void dropPart(Plan& plan, const Statements& source, int part) {
    for (std::size_t s = 0; s < source.size(); ++s) {
        if (source[s].part == part) plan.fate[s] = Fate::Drop;
    }
}

// What a part is made of: its GEOMETRY, MAP and NOMAP statements.
std::vector<std::string> partShapes(std::string_view text, const Statements& statements) {
    std::vector<std::string> shapes(static_cast<std::size_t>(partCount(statements)));
    for (const SourceStatement& s : statements) {
        if (s.keyword == "GEOMETRY" || s.keyword == "MAP" || s.keyword == "NOMAP") {
            shapes[static_cast<std::size_t>(s.part)] += statementText(text, s);
        }
    }
    return shapes;
}

// The part of the new text each old part became, or -1 for a part gone.
// Parts added go after the others; parts taken away are found by the
// shapes of those that stay. Nothing when the parts cannot be told apart.
std::optional<std::vector<int>> matchParts(const Texts& t) {
    const int before = partCount(t.before), after = partCount(t.after);
    std::vector<int> became(static_cast<std::size_t>(before), -1);
    if (after >= before) {
        std::iota(became.begin(), became.end(), 0);
        return became;
    }
    const std::vector<std::string> old = partShapes(t.kept.fixedText, t.before);
    const std::vector<std::string> now = partShapes(t.fixedAfter, t.after);
    std::vector<std::string_view> a(old.begin(), old.end()), b(now.begin(), now.end());
    std::size_t kept = 0;
    for (const DiffHunk& h : diffLines(a, b)) {
        if (!h.same) continue;
        for (std::size_t i = h.oldBegin; i < h.oldEnd; ++i) {
            became[i] = static_cast<int>(h.newBegin + (i - h.oldBegin));
            ++kept;
        }
    }
    // The statements before the first part stay with the level; every part
    // left must be one of the old ones.
    if (became.empty() || became[0] != 0 || kept != now.size()) return std::nullopt;
    return became;
}

Plan makePlan(const Texts& t, std::span<const int> rewritten) {
    const Statements& source = t.kept.statements;
    const int parts = partCount(t.before);
    Plan plan(source.size(), parts);
    const std::optional<std::vector<int>> became = matchParts(t);
    // Parts the designer's text counts otherwise than the writer, or parts
    // that cannot be told apart: the statements cannot be placed by part,
    // and each part is written as the part of its place.
    const bool whole = partCount(source) != parts || !became;
    for (int part = 0; part < parts; ++part) {
        plan.became.push_back(became ? (*became)[static_cast<std::size_t>(part)]
                              : part < partCount(t.after) ? part
                                                          : -1);
    }
    for (int part = 0; part < parts; ++part) {
        const int now = plan.became[static_cast<std::size_t>(part)];
        const bool asked = std::ranges::find(rewritten, part) != rewritten.end();
        if (whole || asked) {
            rewritePart(plan, source, part);
        } else if (now < 0) {
            dropPart(plan, source, part);
        } else if (!planPart(plan, t, part, now)) {
            rewritePart(plan, source, part);
        }
    }
    return plan;
}

// The text of the writer's statements of parts [first, last], blank lines
// between them included; empty when there are none.
std::string_view partsText(std::string_view text, const Statements& statements, int first,
                           int last) {
    std::size_t begin = text.size(), end = 0;
    for (const SourceStatement& s : statements) {
        if (s.part < first || s.part > last) continue;
        begin = std::min(begin, s.line);
        end = std::max(end, s.end);
    }
    return begin < end ? text.substr(begin, end - begin) : std::string_view();
}

// A replaced statement: the new text where the old stood, with the old
// one's comment and line end. A changed map keeps the rows that did not
// change while it keeps its size.
void appendReplaced(std::string& out, std::string_view own, std::string_view was,
                    std::string_view now, std::string_view ending) {
    if (was.starts_with("MAP") && appendChangedRows(out, own, was, now)) return;
    appendWithEndings(out, now.substr(0, now.size() - lineEndingAtEnd(now).size()), ending);
    out.append(trailingComment(own));
    out.append(lineEndingAtEnd(own));
}

std::string assemble(const Plan& plan, const Texts& t) {
    const std::string_view text = t.kept.text;
    const Statements& source = t.kept.statements;
    const std::string_view ending = lineEndingOf(text);
    std::string out;
    out.reserve(text.size() + t.fixedAfter.size() / 8);
    int started = -1;  // the last part whose first statement was met
    for (std::size_t s = 0; s < source.size(); ++s) {
        const SourceStatement& st = source[s];
        out.append(text.substr(st.begin, st.line - st.begin));
        const bool first = st.part != started;
        started = st.part;
        if (plan.rewritten[static_cast<std::size_t>(st.part)]) {
            if (first) {
                endLine(out, ending);
                appendWithEndings(out, partsText(t.fixedAfter, t.after, st.part, st.part), ending);
            }
            continue;
        }
        const std::string_view own = text.substr(st.line, st.end - st.line);
        if (plan.fate[s] == Fate::Keep) out.append(own);
        if (plan.fate[s] == Fate::Replace) {
            appendReplaced(out, own, plan.was[s], plan.now[s], ending);
        }
        for (std::string_view added : plan.after[s]) {
            endLine(out, ending);
            appendWithEndings(out, added, ending);
        }
    }
    const std::string_view added =
        partsText(t.fixedAfter, t.after, partCount(t.before), partCount(t.after));
    if (!added.empty()) {
        endLine(out, ending);
        appendWithEndings(out, added, ending);
    }
    const std::size_t tail = source.empty() ? 0 : source.back().end;
    out.append(text.substr(tail));
    return out;
}

std::vector<int> changedParts(const Plan& plan, const Statements& source) {
    std::vector<int> parts;
    for (std::size_t s = 0; s < source.size(); ++s) {
        const bool changed = plan.fate[s] != Fate::Keep || !plan.after[s].empty();
        if (changed && std::ranges::find(parts, source[s].part) == parts.end()) {
            parts.push_back(source[s].part);
        }
    }
    return parts;
}

PatchReach reachOf(const Plan& plan) {
    const auto rewritten = std::ranges::count(plan.rewritten, true);
    if (rewritten == 0) return PatchReach::Statements;
    return rewritten == static_cast<long>(plan.rewritten.size()) ? PatchReach::Whole
                                                                 : PatchReach::Parts;
}

}  // namespace

TextPatch patchText(const KeptText& kept, std::string_view fixedAfter,
                    std::span<const int> rewritten) {
    const Statements before = writtenStatements(kept.fixedText);
    const Statements after = writtenStatements(fixedAfter);
    const std::vector<std::size_t> pairs = pairStatements(kept.statements, before);
    const Texts texts{kept, before, fixedAfter, after, pairs};
    const Plan plan = makePlan(texts, rewritten);
    return TextPatch{assemble(plan, texts), reachOf(plan), changedParts(plan, kept.statements),
                     partCount(before)};
}

}  // namespace mapedit
