#include "engine/formula.h"

#include <cmath>

#include "text/number_text.h"

// A recursive-descent evaluator that computes while it reads: no tokens, no tree, nothing kept
// between calls. Errors set a sticky flag and reading goes on, so every failed formula still
// yields the value the rules below give it. The whitespace after every consumed piece is
// skipped at once, so the cursor always rests on the next character that matters and each
// level looks at it directly.
namespace tamrel {

namespace {

// Longest identifier taken; the rest of a longer one is left unread and fails as trailing text.
constexpr int32_t kMaxIdentifierLength = 63;

// Bound on nesting: parentheses, function calls, branches, prefix operators and powers
// together, where real formulas use a handful. At the bound the frames take under 32 KiB in
// an optimised build and under 96 KiB in an AddressSanitizer debug build, far inside
// Windows' 1 MiB main-thread stack.
constexpr int32_t kMaxNesting = 100;

struct FormulaState {
    const ToolDefinition& tool;
    const double* inputValues;
    const double* outputValues;
    const char* cursor;
    int32_t failed;
    int32_t nesting;
};

bool isDigit(char c) { return c >= '0' && c <= '9'; }
bool isLetter(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || c == '_'; }
// Vertical tab and form feed are not whitespace here: they fail like any stray character.
bool isWhitespace(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r'; }
bool isTrue(double v) { return v != 0; }  // NaN is true

// Scanning runs on local pointers and stores the cursor once: a cursor written back at every
// character makes each step wait for the previous store.
const char* pastWhitespace(const char* p) {
    while (isWhitespace(*p)) ++p;
    return p;
}

// Two-character operators are recognised only whole; the second character is read only
// after the first matched, so never past the terminator.
bool lookingAt(const FormulaState& s, char first, char second) {
    return s.cursor[0] == first && s.cursor[1] == second;
}

// Consumes `c` and the whitespace after it if `c` comes next.
bool accept(FormulaState& s, char c) {
    if (*s.cursor != c) return false;
    s.cursor = pastWhitespace(s.cursor + 1);
    return true;
}

bool accept(FormulaState& s, char first, char second) {
    if (!lookingAt(s, first, second)) return false;
    s.cursor = pastWhitespace(s.cursor + 2);
    return true;
}

// A closing character that must come next; without it the formula fails and the cursor stays.
void expect(FormulaState& s, char closing) {
    if (!accept(s, closing)) s.failed = 1;
}

double fail(FormulaState& s) {
    s.failed = 1;
    return 0;
}

// Every recursion goes through here (Lua's enterlevel): past the bound the formula fails with
// 0 and nothing more is read at that level.
double nested(FormulaState& s, double (*level)(FormulaState&)) {
    if (s.nesting >= kMaxNesting) return fail(s);
    ++s.nesting;
    const double v = level(s);
    --s.nesting;
    return v;
}

struct Name {
    const char* text;
    int32_t length;
};

// Names are never empty, and keys mostly differ in their first character: it is tested first.
bool nameIs(Name name, const char* key) {
    if (key == nullptr || key[0] != name.text[0]) return false;
    int32_t i = 1;
    for (; i < name.length; ++i)
        if (key[i] != name.text[i]) return false;  // also stops at the key's terminator
    return key[i] == 0;
}

// ---- Functions ---------------------------------------------------------------------------

double fnSqrt(double x, int32_t& failed) {
    if (x < 0) { failed = 1; return 0; }
    return std::sqrt(x);
}
double fnAbs(double x, int32_t&) { return std::fabs(x); }
double fnLog(double x, int32_t& failed) {
    if (x <= 0) { failed = 1; return 0; }
    return std::log(x);
}
double fnLog10(double x, int32_t& failed) {
    if (x <= 0) { failed = 1; return 0; }
    return std::log10(x);
}
double fnExp(double x, int32_t&) { return std::exp(x); }
double fnFloor(double x, int32_t&) { return std::floor(x); }
double fnCeil(double x, int32_t&) { return std::ceil(x); }
// Halves go up, also for negatives: round(-2.5) is -2.
double fnRound(double x, int32_t&) { return std::floor(x + 0.5); }
// A power of the double nearest one third, not an exact cube root: cbrt(64) is just below 4.
double fnCbrt(double x, int32_t&) {
    constexpr double kOneThird = 1.0 / 3.0;
    return x < 0 ? -std::pow(-x, kOneThird) : std::pow(x, kOneThird);
}
double fnSign(double x, int32_t&) { return x > 0 ? 1 : x < 0 ? -1 : 0; }

// With a NaN in either place min and max yield b.
double fnMin(double a, double b, int32_t&) { return a < b ? a : b; }
double fnMax(double a, double b, int32_t&) { return a > b ? a : b; }
double fnPow(double a, double b, int32_t&) { return std::pow(a, b); }
double fnMod(double a, double b, int32_t& failed) {
    if (b == 0) { failed = 1; return 0; }
    return std::fmod(a, b);
}

struct UnaryFunction {
    const char* name;
    double (*apply)(double x, int32_t& failed);
};

struct BinaryFunction {
    const char* name;
    double (*apply)(double a, double b, int32_t& failed);
};

constexpr UnaryFunction kUnaryFunctions[] = {
    {"sqrt", fnSqrt},   {"abs", fnAbs},     {"log", fnLog},     {"log10", fnLog10},
    {"exp", fnExp},     {"floor", fnFloor}, {"ceil", fnCeil},   {"round", fnRound},
    {"cbrt", fnCbrt},   {"sign", fnSign},
};

constexpr BinaryFunction kBinaryFunctions[] = {
    {"min", fnMin}, {"max", fnMax}, {"pow", fnPow}, {"mod", fnMod},
};

double applyUnary(FormulaState& s, Name name, double x) {
    for (const UnaryFunction& f : kUnaryFunctions)
        if (nameIs(name, f.name)) return f.apply(x, s.failed);
    return fail(s);
}

double applyBinary(FormulaState& s, Name name, double a, double b) {
    for (const BinaryFunction& f : kBinaryFunctions)
        if (nameIs(name, f.name)) return f.apply(a, b, s.failed);
    return fail(s);
}

// ---- Levels, from the primary up to the conditional ----------------------------------------

double conditional(FormulaState& s);

// variable := identifier naming an input, else an output (an input hides an equal output key)
double variable(FormulaState& s, Name name) {
    const ToolDefinition& tool = s.tool;
    for (int32_t i = 0; i < tool.inputCount; ++i)
        if (nameIs(name, tool.inputs[i].key)) return s.inputValues[i];
    for (int32_t j = 0; j < tool.outputCount && j < kMaxOutputs; ++j)
        if (nameIs(name, tool.outputs[j].key)) return s.outputValues[j];
    return fail(s);
}

// call := identifier '(' conditional [ ',' conditional ] ')'
// Arguments come first, so their failures count even when the name is unknown.
double call(FormulaState& s, Name name) {
    accept(s, '(');
    double a = nested(s, conditional);
    if (accept(s, ',')) {
        double b = nested(s, conditional);
        expect(s, ')');
        return applyBinary(s, name, a, b);
    }
    expect(s, ')');
    return applyUnary(s, name, a);
}

// number := what the string-to-double conversion reads, starting with a digit or a point
double number(FormulaState& s) {
    NumberScan scan = scanNumber(s.cursor);
    if (scan.length == 0) return fail(s);  // a lone point
    s.cursor = pastWhitespace(s.cursor + scan.length);
    return scan.value;
}

// name := letter { letter | digit }, at most 63 characters; then call or variable
double identifier(FormulaState& s) {
    const char* start = s.cursor;
    const char* end = start;
    while (end - start < kMaxIdentifierLength && (isLetter(*end) || isDigit(*end))) ++end;
    const Name name{start, static_cast<int32_t>(end - start)};
    s.cursor = pastWhitespace(end);
    return *s.cursor == '(' ? call(s, name) : variable(s, name);
}

// unary := name | number | '(' conditional ')' | ('-' | '+' | '!') unary
double unary(FormulaState& s) {
    const char c = *s.cursor;
    if (isLetter(c)) return identifier(s);
    if (isDigit(c) || c == '.') return number(s);
    if (accept(s, '(')) {
        double v = nested(s, conditional);
        expect(s, ')');
        return v;
    }
    if (accept(s, '-')) return -nested(s, unary);
    if (accept(s, '+')) return nested(s, unary);
    if (accept(s, '!')) return nested(s, unary) == 0 ? 1 : 0;
    return fail(s);  // also the end of the text
}

// power := unary [ '^' power ]
// The operand of '^' is a unary, so prefix operators bind tighter: -2^2 is 4.
double power(FormulaState& s) {
    double base = unary(s);
    if (!accept(s, '^')) return base;
    double exponent = nested(s, power);
    return std::pow(base, exponent);
}

// multiplicative := power { ('*' | '/' | '%') power }
// '**' is no operator: the level ends before it and the rest fails as trailing text. A zero
// divisor ends the whole level with 0, leaving the rest of the text unread.
double multiplicative(FormulaState& s) {
    double v = power(s);
    for (;;) {
        if (lookingAt(s, '*', '*')) return v;
        if (accept(s, '*')) {
            v *= power(s);
        } else if (accept(s, '/')) {
            double divisor = power(s);
            if (divisor == 0) return fail(s);
            v /= divisor;
        } else if (accept(s, '%')) {
            double divisor = power(s);
            if (divisor == 0) return fail(s);
            v = std::fmod(v, divisor);
        } else {
            return v;
        }
    }
}

// additive := multiplicative { ('+' | '-') multiplicative }
double additive(FormulaState& s) {
    double v = multiplicative(s);
    for (;;) {
        if (accept(s, '+'))
            v += multiplicative(s);
        else if (accept(s, '-'))
            v -= multiplicative(s);
        else
            return v;
    }
}

// comparison := additive [ ('<=' | '>=' | '==' | '!=' | '<' | '>') additive ]
// One comparison at most: a<b<c leaves "<c" unread.
double comparison(FormulaState& s) {
    double a = additive(s);
    if (accept(s, '<', '=')) return a <= additive(s) ? 1 : 0;
    if (accept(s, '>', '=')) return a >= additive(s) ? 1 : 0;
    if (accept(s, '=', '=')) return a == additive(s) ? 1 : 0;
    if (accept(s, '!', '=')) return a != additive(s) ? 1 : 0;
    if (accept(s, '<')) return a < additive(s) ? 1 : 0;
    if (accept(s, '>')) return a > additive(s) ? 1 : 0;
    return a;
}

// and := comparison { '&&' comparison }, every operand evaluated
double logicalAnd(FormulaState& s) {
    double v = comparison(s);
    while (accept(s, '&', '&')) {
        double w = comparison(s);
        v = isTrue(v) && isTrue(w) ? 1 : 0;
    }
    return v;
}

// or := and { '||' and }, every operand evaluated
double logicalOr(FormulaState& s) {
    double v = logicalAnd(s);
    while (accept(s, '|', '|')) {
        double w = logicalAnd(s);
        v = isTrue(v) || isTrue(w) ? 1 : 0;
    }
    return v;
}

// conditional := or [ '?' conditional ':' conditional ]
// Both branches are evaluated, so a failure in the one not taken still counts.
double conditional(FormulaState& s) {
    double condition = logicalOr(s);
    if (!accept(s, '?')) return condition;
    double whenTrue = nested(s, conditional);
    expect(s, ':');
    double whenFalse = nested(s, conditional);
    return isTrue(condition) ? whenTrue : whenFalse;
}

} // namespace

double evaluateExpression(const ToolDefinition& tool, const char* formula,
                          const double* inputValues, const double* outputValues,
                          int32_t& failed) {
    if (formula == nullptr || formula[0] == 0) {
        failed = 1;
        return 0;
    }
    FormulaState s{tool, inputValues, outputValues, pastWhitespace(formula), 0, 0};
    double v = conditional(s);
    failed = (*s.cursor == 0 && s.failed == 0 && std::isfinite(v)) ? 0 : 1;
    return v;
}

} // namespace tamrel
