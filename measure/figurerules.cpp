#include "measure/figurerules.h"

#include <QCoreApplication>

#include <algorithm>
#include <cmath>
#include <limits>
#include <vector>

namespace FigureRules {

namespace {
// The high hip takes part only in its ratio to the waist, and that ratio has one limit, which it
// is under or at least: the steadiness below relies on it.
constexpr bool ratiosStandApart()
{
    std::optional<Length> ratioLimit;
    for (const Rule &rule : Rules) {
        for (const Clause &clause : rule.conditions()) {
            for (const auto &condition : {std::optional(clause.condition), clause.orElse}) {
                if (!condition)
                    continue;
                const Quantity &q = condition->quantity;
                if (q.ratio && !ratioLimit)
                    ratioLimit = condition->limit;
                const bool ratioLike = q.ratio && q.first == HighHip && q.second == Waist &&
                                       condition->limit == ratioLimit &&
                                       (condition->comparison == Comparison::Under ||
                                        condition->comparison == Comparison::AtLeast);
                if (q.ratio != ratioLike ||
                    (!q.ratio && (q.first == HighHip || q.second == HighHip)))
                    return false;
            }
        }
    }
    return true;
}
static_assert(ratiosStandApart(), "the high hip is only ever held against the waist");

// Each rule's count covers its clauses and no more: no limit of the rules is zero.
constexpr bool countsMatch()
{
    for (const Rule &rule : Rules) {
        for (std::size_t i = 0; i < rule.clauses.size(); ++i) {
            if ((rule.clauses[i].condition.limit != 0) != (i < rule.size))
                return false;
        }
    }
    return true;
}
static_assert(countsMatch(), "a rule's count of clauses is its number of clauses");

bool compare(Length value, Comparison comparison, Length bound)
{
    switch (comparison) {
    case Comparison::Under:
        return value < bound;
    case Comparison::AtMost:
        return value <= bound;
    case Comparison::Over:
        return value > bound;
    case Comparison::AtLeast:
        break;
    }
    return value >= bound;
}

Comparison opposite(Comparison comparison)
{
    switch (comparison) {
    case Comparison::Under:
        return Comparison::AtLeast;
    case Comparison::AtMost:
        return Comparison::Over;
    case Comparison::Over:
        return Comparison::AtMost;
    case Comparison::AtLeast:
        break;
    }
    return Comparison::Under;
}

// Rounded towards minus infinity; `divisor` is positive.
Length floorDivided(Length dividend, Length divisor)
{
    const Length quotient = dividend / divisor;
    return quotient * divisor != dividend && dividend < 0 ? quotient - 1 : quotient;
}

// The numbers of steps, from 1 to `most`, at which moving measurement `m` by `stepBy` per step
// takes a condition across its bound: the step just before the crossing point and the one after.
std::vector<Length> crossingSteps(const Measurements &body, std::size_t m, Length stepBy,
                                  Length most)
{
    std::vector<Length> steps;
    for (const Rule &rule : Rules) {
        for (const Clause &clause : rule.conditions()) {
            for (const auto &condition : {std::optional(clause.condition), clause.orElse}) {
                if (!condition)
                    continue;
                const Linear linear = linearOf(*condition);
                Length perStep = linear.weights[m] * stepBy;
                if (perStep == 0)
                    continue;
                Length sum = 0;
                for (std::size_t i = 0; i < MeasurementCount; ++i)
                    sum += linear.weights[i] * body[i];
                Length gap = linear.bound - sum;
                if (perStep < 0) {
                    perStep = -perStep;
                    gap = -gap;
                }
                const Length before = floorDivided(gap, perStep);
                for (const Length k : {before, before + 1}) {
                    if (k >= 1 && k <= most)
                        steps.push_back(k);
                }
            }
        }
    }
    std::sort(steps.begin(), steps.end());
    return steps;
}

// The lengths within `off` of the measured ones, as bounds on the differences of bust, waist
// and hips, each to each and to zero (the nodes 1, 2, 3 and 0): x[j] − x[i] ≤ bound[i][j]. The
// high hip appears only in the ratio to the waist; what it asks is kept as `narrow` (high hip
// ÷ waist under its limit) or `wide` (at least its limit) and turned into a bound on the waist.
class Region {
public:
    Region(const Measurements &body, Length off) : m_body(body), m_off(off)
    {
        for (auto &row : m_bound)
            row.fill(Unbounded);
        m_bound[0][0] = 0;
        for (std::size_t node = 1; node < Nodes; ++node) {
            m_bound[0][node] = body[measurementOf(node)] + off;
            m_bound[node][0] = -(body[measurementOf(node)] - off);
            m_bound[node][node] = 0;
        }
    }

    // False once the lengths can no longer meet every condition added.
    bool add(const Condition &condition)
    {
        const Quantity &q = condition.quantity;
        if (q.ratio) {
            const bool narrow = condition.comparison == Comparison::Under;
            (narrow ? m_narrow : m_wide) = true;
            if (m_narrow && m_wide)
                return false;
            // Some high hip within reach gives 1000 × high hip < 1193 × waist, or ≥ for wide.
            const Length highHip = m_body[HighHip] + (narrow ? -m_off : m_off);
            if (narrow)
                tighten(nodeOf(Waist), 0, -(floorDivided(1000 * highHip, condition.limit) + 1));
            else
                tighten(0, nodeOf(Waist), floorDivided(1000 * highHip, condition.limit));
        } else {
            // first − second against the limit; a strict bound is one unit tighter, as lengths
            // are whole units.
            const std::size_t first = nodeOf(q.first), second = nodeOf(q.second);
            const Length limit = condition.limit;
            switch (condition.comparison) {
            case Comparison::Under:
                tighten(second, first, limit - 1);
                break;
            case Comparison::AtMost:
                tighten(second, first, limit);
                break;
            case Comparison::Over:
                tighten(first, second, -limit - 1);
                break;
            case Comparison::AtLeast:
                tighten(first, second, -limit);
                break;
            }
        }
        return close();
    }

    // The greatest lengths that meet every bound: the shortest paths from zero.
    Measurements lengths() const
    {
        Measurements lengths = m_body;
        for (std::size_t node = 1; node < Nodes; ++node)
            lengths[measurementOf(node)] = m_bound[0][node];
        lengths[HighHip] += m_narrow ? -m_off : m_wide ? m_off : 0;
        return lengths;
    }

private:
    static constexpr std::size_t Nodes = 4;
    static constexpr Length Unbounded = std::numeric_limits<Length>::max() / 4;

    static Measurement measurementOf(std::size_t node)
    {
        return std::array{Bust, Bust, Waist, Hips}[node];
    }
    static std::size_t nodeOf(Measurement m) { return m == Bust ? 1 : m == Waist ? 2 : 3; }

    void tighten(std::size_t from, std::size_t to, Length bound)
    {
        m_bound[from][to] = std::min(m_bound[from][to], bound);
    }

    // Floyd and Warshall's shortest paths; a negative cycle is a contradiction.
    bool close()
    {
        for (std::size_t k = 0; k < Nodes; ++k) {
            for (std::size_t i = 0; i < Nodes; ++i) {
                for (std::size_t j = 0; j < Nodes; ++j) {
                    if (m_bound[i][k] < Unbounded && m_bound[k][j] < Unbounded)
                        tighten(i, j, m_bound[i][k] + m_bound[k][j]);
                }
            }
        }
        for (std::size_t node = 0; node < Nodes; ++node) {
            if (m_bound[node][node] < 0)
                return false;
        }
        return true;
    }

    Measurements m_body;
    Length m_off;
    std::array<std::array<Length, Nodes>, Nodes> m_bound{};
    bool m_narrow = false;
    bool m_wide = false;
};

// Whether the region, with the rules from `next` on each failing by one of its clauses, is
// not empty; then `found` holds lengths in it.
bool failing(const Region &region, std::span<const Rule> rules, std::optional<Measurements> &found)
{
    if (rules.empty()) {
        found = region.lengths();
        return true;
    }
    for (const Clause &clause : rules.front().conditions()) {
        Region narrower = region;
        bool open = narrower.add({clause.condition.quantity, opposite(clause.condition.comparison),
                                  clause.condition.limit});
        if (open && clause.orElse)
            open = narrower.add({clause.orElse->quantity, opposite(clause.orElse->comparison),
                                 clause.orElse->limit});
        if (open && failing(narrower, rules.subspan(1), found))
            return true;
    }
    return false;
}

// Whether the region, with every clause from `next` on of the rule holding, is not empty.
bool holding(const Region &region, std::span<const Clause> clauses, std::span<const Rule> before,
             std::optional<Measurements> &found)
{
    if (clauses.empty())
        return failing(region, before, found);
    for (const auto &condition :
         {std::optional(clauses.front().condition), clauses.front().orElse}) {
        Region narrower = region;
        if (condition && narrower.add(*condition) &&
            holding(narrower, clauses.subspan(1), before, found))
            return true;
    }
    return false;
}
} // namespace

const Rule &ruleFor(Figure figure)
{
    return Rules[std::size_t(figure)];
}

Linear linearOf(const Condition &condition)
{
    Linear linear;
    const Quantity &q = condition.quantity;
    if (q.ratio) {
        // first ÷ second against limit ÷ 1000, kept in whole numbers
        linear.weights[q.first] = 1000;
        linear.weights[q.second] = -condition.limit;
    } else {
        linear.weights[q.first] = 1;
        linear.weights[q.second] = -1;
        linear.bound = condition.limit;
    }
    return linear;
}

bool holds(const Condition &condition, const Measurements &body)
{
    const Linear linear = linearOf(condition);
    Length sum = 0;
    for (std::size_t m = 0; m < MeasurementCount; ++m)
        sum += linear.weights[m] * body[m];
    return compare(sum, condition.comparison, linear.bound);
}

bool holds(const Clause &clause, const Measurements &body)
{
    return holds(clause.condition, body) || (clause.orElse && holds(*clause.orElse, body));
}

bool holds(const Rule &rule, const Measurements &body)
{
    return std::all_of(rule.conditions().begin(), rule.conditions().end(),
                       [&](const Clause &clause) { return holds(clause, body); });
}

Length valueOf(const Quantity &quantity, const Measurements &body)
{
    if (!quantity.ratio)
        return body[quantity.first] - body[quantity.second];
    return body[quantity.second] > 0
               ? floorDivided(1000 * body[quantity.first], body[quantity.second])
               : 0;
}

std::optional<Length> lengthOf(double value, Unit unit)
{
    if (!std::isfinite(value))
        return std::nullopt;
    // Far outside what anyone measures either way; kept small enough to round safely.
    const double thousandths = std::round(std::clamp(value, -1e6, 1e6) * 1000);
    const Length perThousandth =
        unit == Unit::Inches ? UnitsPerInch / 1000 : UnitsPerCentimetre / 1000;
    return static_cast<Length>(thousandths) * perThousandth;
}

bool isMeasurable(Length length)
{
    return length >= ShortestMeasure && length <= LongestMeasure;
}

std::optional<Figure> identify(const Measurements &body)
{
    for (const Rule &rule : Rules) {
        if (holds(rule, body))
            return rule.figure;
    }
    return std::nullopt;
}

modShapeTest::ShapeIndex shapeOf(Figure figure)
{
    switch (figure) {
    case Figure::Hourglass:
    case Figure::TopHourglass:
        return modShapeTest::Hourglass;
    case Figure::BottomHourglass:
    case Figure::Spoon:
    case Figure::Triangle:
        return modShapeTest::Spoon;
    case Figure::InvertedTriangle:
        return modShapeTest::Cone;
    case Figure::Rectangle:
        break;
    }
    return modShapeTest::Ruler;
}

QString nameOf(Figure figure)
{
    static constexpr std::array<const char *, 7> Names{
        QT_TRANSLATE_NOOP("FigureRules", "hourglass"),
        QT_TRANSLATE_NOOP("FigureRules", "bottom hourglass"),
        QT_TRANSLATE_NOOP("FigureRules", "top hourglass"),
        QT_TRANSLATE_NOOP("FigureRules", "spoon"),
        QT_TRANSLATE_NOOP("FigureRules", "triangle"),
        QT_TRANSLATE_NOOP("FigureRules", "inverted triangle"),
        QT_TRANSLATE_NOOP("FigureRules", "rectangle")};
    return QCoreApplication::translate("FigureRules", Names[std::size_t(figure)]);
}

std::optional<Change> nearestChange(const Measurements &body, Length step, Length under)
{
    const std::optional<Figure> now = identify(body);
    std::optional<Change> nearest;
    for (std::size_t m = 0; m < MeasurementCount; ++m) {
        for (const Length sign : {1, -1}) {
            const Length room = sign > 0 ? LongestMeasure - body[m] : body[m] - ShortestMeasure;
            const Length most = std::min((under - 1) / step, room / step);
            for (const Length k : crossingSteps(body, m, sign * step, most)) {
                if (nearest && k * step >= std::abs(nearest->by))
                    break;
                Measurements changed = body;
                changed[m] += sign * k * step;
                const auto figure = identify(changed);
                if (figure != now) {
                    nearest = Change{int(m), sign * k * step, figure};
                    break;
                }
            }
        }
    }
    return nearest;
}

// Exact, not sampled. Lengths are whole units, so the lengths within `off` of the measured ones
// are finitely many, and every condition is a bound on a difference of bust, waist and hips
// (a strict bound one unit tighter), or on high hip ÷ waist: for a whole waist, some high hip
// within reach meets that one exactly when the waist meets a whole bound worked out from the
// extreme high hip. A figure's lengths are those where its rule holds and every rule before it
// fails, a union over the clause each earlier rule fails by (and the alternative a two-way
// clause holds by) of systems of such difference bounds. Such a system has whole solutions
// exactly when its graph has no negative cycle, and the shortest paths from zero are one: so
// trying each system in turn, with Floyd and Warshall's shortest paths, decides the question
// and hands back lengths that show it.
std::optional<Measurements> reachable(const Measurements &body, Length off,
                                      std::optional<Figure> figure)
{
    std::optional<Measurements> found;
    const Region box(body, off);
    if (!figure)
        failing(box, Rules, found);
    else
        holding(box, ruleFor(*figure).conditions(), std::span(Rules).first(std::size_t(*figure)),
                found);
    return found;
}

} // namespace FigureRules
