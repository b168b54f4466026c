#include "calc/solver.h"

#include "calc/arith.h"
#include "common/error.h"

#include <cmath>

namespace velmora {

namespace {

constexpr double stressZero = 1E-5; // daN/mm²

// The first input check that fails, or the empty text.
std::string CheckInput(double T_Gsw, double T_Min, double sigmaMax, double sigmaAvg, Lang lang)
{
    const auto Warning = [lang](const char *english, const char *russian) {
        return InLanguage(lang, english, russian);
    };
    if (sigmaMax < stressZero)
        return Warning("Maximum permissible tension equals 0,\r\ncalculation is impossible!",
                       "Макс. допустимое напряжение равно 0, расчёт невозможен!");
    if (sigmaAvg < stressZero)
        return Warning(
            "Tension at average annual temperature equals 0,\r\ncalculation is impossible!",
            "Напряжение при Тср.г. равно 0, расчёт невозможен!");
    if (std::abs(sigmaAvg - sigmaMax) < stressZero)
        return Warning("Tension at average annual temperature equals maximum permissible "
                       "tension,\r\ncalculation is impossible!",
                       "Напряжение при Тср.г. равно макс. допустимому, расчёт невозможен!");
    if (T_Gsw - T_Min < 0)
        return Warning("Minimum temperature is higher than that for cases of ice "
                       "accumulation,\r\ncalculation is impossible!",
                       "Минимальная температура выше чем при гололёде, расчёт невозможен!");
    return {};
}

} // namespace

CriticalSpans CalcCriticalSpans(double alpha, double beta, double gammaMax, double gamma1,
                                double T_Gsw, double T_Min, double T_Srg, double sigmaMax,
                                double sigmaAvg, Lang lang)
{
    constexpr const char *where = "the critical spans";
    for (double v : {alpha, beta, gammaMax, gamma1, T_Gsw, T_Min, T_Srg, sigmaMax, sigmaAvg})
        CheckedValue(v, where);

    CriticalSpans spans;
    spans.warning = CheckInput(T_Gsw, T_Min, sigmaMax, sigmaAvg, lang);
    if (!spans.warning.empty())
        return spans;

    CheckDivisor(gamma1, "the specific load of the own weight is 0");
    const double r = sigmaAvg / sigmaMax;
    const double l1Denominator = 1 - r * r;
    CheckDivisor(l1Denominator, "the two permissible stresses are too close (critical span l1)");
    const double X = CheckedValue(
        6 * ((sigmaAvg - sigmaMax) * beta + (T_Srg - T_Min) * alpha) / l1Denominator, where);
    spans.l1 = X > 0 ? CheckedValue(2 * sigmaAvg / gamma1 * std::sqrt(X), where) : ImaginarySpan;

    const double q = gammaMax / gamma1;
    const double l2Denominator = q * q - 1;
    CheckDivisor(l2Denominator,
                 "the largest load equals the own weight, no ice and no wind (critical span l2)");
    const double radicand = CheckedValue(6 * alpha * (T_Gsw - T_Min) / l2Denominator, where);
    if (radicand < 0)
        throw Error("Square root of a negative value in the critical span l2");
    spans.l2 = CheckedValue(2 * sigmaMax / gamma1 * std::sqrt(radicand), where);

    const double s = sigmaMax / sigmaAvg;
    const double l3Denominator = q * q - s * s;
    CheckDivisor(l3Denominator, "the load ratio equals the stress ratio (critical span l3)");
    const double Z = CheckedValue(
        6 * (beta * (sigmaMax - sigmaAvg) + alpha * (T_Gsw - T_Srg)) / l3Denominator, where);
    spans.l3 = Z > 0 ? CheckedValue(2 * sigmaMax / gamma1 * std::sqrt(Z), where) : ImaginarySpan;

    spans.ok = true;
    return spans;
}

} // namespace velmora
