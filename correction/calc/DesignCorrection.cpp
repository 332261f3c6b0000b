#include "correction/calc/DesignCorrection.h"

#include <cmath>

#include "common/Checked.h"
#include "common/Fault.h"
#include "common/ReportLanguage.h"

namespace orvan::correction {

namespace {

namespace ck = orvan::checked;

using DesignOutcome = Outcome<DesignCorrection>;

// A design's parties reduced to their count, mean and sum of squares about the mean (MPa^2),
// which is all the line over every party needs.
struct Group {
    double n = 0, mean = 0, squares = 0, ratio = 0;
};

Group groupOf(const DesignSample& d) {
    Group g{static_cast<double>(d.parties), d.strength, 0, d.cementWaterRatio};
    if (d.strengths.empty()) return g;
    g.n = static_cast<double>(d.strengths.size());
    double sum = 0;
    for (double x : d.strengths) sum += x;
    g.mean = ck::result(sum / g.n);
    for (double x : d.strengths) g.squares += (x - g.mean) * (x - g.mean);
    return g;
}

DesignOutcome refused(const std::string& message) {
    return DesignOutcome::refused(message, MessageStyle::Message);
}

std::string refusal(const DesignCorrectionInputs& in, const std::vector<Group>& groups) {
    const std::size_t count = in.designs.size();
    const std::string designs = std::to_string(count);
    if (count < 2)
        return reportText(count == 1
                              ? "The correction needs the parties of at least two designs; %1 was "
                                "given."
                              : "The correction needs the parties of at least two designs; %1 were "
                                "given.",
                          {designs});
    double parties = 0;
    for (std::size_t i = 0; i < count; ++i) {
        if (groups[i].n < 1)
            return reportText("The design %1 has no parties.", {in.designs[i].design});
        parties += groups[i].n;
    }
    if (count == 2) return "";
    if (parties < kMinLineParties)
        return reportText("The line over the designs needs at least 5 parties; %1 were given.",
                          {std::to_string(static_cast<long long>(parties))});
    for (const Group& g : groups)
        if (g.ratio != groups.front().ratio) return "";
    return reportText(
        "The line over the designs needs at least two different cement-water "
        "ratios; all %1 designs have the same.",
        {designs});
}

// Least squares over every party, each design's parties sharing its C/W: the sums about the
// means taken design by design (Sxx and Sxy from the design means, Syy adding the spread
// within each design). Throws Fault.
DesignLine fitLine(const std::vector<Group>& groups) {
    double n = 0, sx = 0, sy = 0;
    for (const Group& g : groups) {
        n += g.n;
        sx += g.n * g.ratio;
        sy += g.n * g.mean;
    }
    const double mx = ck::result(sx / n), my = ck::result(sy / n);
    double sxx = 0, sxy = 0, syy = 0;
    for (const Group& g : groups) {
        const double dx = g.ratio - mx, dy = g.mean - my;
        sxx += g.n * dx * dx;
        sxy += g.n * dx * dy;
        syy += g.squares + g.n * dy * dy;
    }
    DesignLine line;
    line.parties = static_cast<int>(n);
    line.slope = ck::div(ck::result(sxy), ck::result(sxx));
    line.intercept = ck::sub(my, ck::mul(line.slope, mx));
    if (syy > 0) line.correlation = ck::result(sxy / std::sqrt(ck::result(sxx * syy)));
    return line;
}

// R = a + b K is the law R = A (K - b') with A = b and b' = -a / b.
StrengthCorrection correctOnLine(const DesignLine& line, double required, double water) {
    StrengthCorrection c;
    c.slope = line.slope;
    c.intercept = ck::div(-line.intercept, line.slope);
    c.ratio = ck::div(ck::sub(required, line.intercept), line.slope);
    c.cement = ck::mul(water, c.ratio);
    c.water = water;
    return c;
}

std::vector<std::string> designLines(const DesignCorrection& v, NumberFormat format) {
    std::vector<std::string> lines = {
        reportText("CORRECTION CONCRETE MIXTURE FROM THE PARTIES OF %1 DESIGNS",
                   {std::to_string(v.points.size())}),
        ""};
    for (const DesignPoint& p : v.points)
        lines.push_back(reportText("Design ") + p.design + reportText(": parties: ") +
                        std::to_string(p.parties) + reportText("; mean strength, MPa: ") +
                        formatFixed(p.strength, 2, format) + reportText("; cement-water ratio: ") +
                        formatFixed(p.cementWaterRatio, 2, format));
    lines.push_back("");
    return lines;
}

std::vector<std::string> lineReport(const DesignCorrection& v, NumberFormat format) {
    const DesignLine& l = *v.line;
    std::vector<std::string> lines = designLines(v, format);
    const std::vector<std::string> more = {
        reportText("Line of strength against cement-water ratio R = a + b * C/W"),
        reportText("Parties: ") + std::to_string(l.parties),
        reportText("Slope b, MPa: ") + formatFixed(l.slope, 2, format),
        reportText("Intercept a, MPa: ") + formatFixed(l.intercept, 2, format),
        l.correlation
            ? reportText("Correlation coefficient r: ") + formatFixed(*l.correlation, 3, format)
            : reportText("Correlation coefficient r: not defined, every strength is the same"),
        "",
        reportText("Necessary value of strength, MPa: ") + formatFixed(v.required, 1, format),
        "",
        reportText("UPDATED PARAMETERS"),
        "",
        reportText("Real value of cement-water ratio: ") +
            formatFixed(v.correction.ratio, 2, format),
        reportText("Updated cement content, kg per cu m: ") +
            formatFixed(v.correction.cement, 0, format),
        reportText("Updated amount of mixing water, kg per cu m: ") +
            formatFixed(v.correction.water, 0, format),
    };
    lines.insert(lines.end(), more.begin(), more.end());
    return lines;
}

// Two designs: the correction by two points over the texts the values write to.
DesignOutcome twoDesigns(DesignCorrection v, NumberFormat format) {
    const DesignPoint& first = v.points[0];
    const DesignPoint& second = v.points[1];
    const FieldTexts texts{{"edRb1", correctionText(first.strength, format)},
                           {"edC_V1", correctionText(first.cementWaterRatio, format)},
                           {"edRb2", correctionText(second.strength, format)},
                           {"edC_V2", correctionText(second.cementWaterRatio, format)},
                           {"edRtr", correctionText(v.required, format)},
                           {"edV", correctionText(v.water, format)}};
    Outcome<StrengthCorrection> two = runStrengthCorrection(texts, format);
    if (!two.ok()) return {two.kind, two.message, two.style, std::move(v), {}};
    v.correction = two.values;
    std::vector<std::string> lines = designLines(v, format);
    lines.insert(lines.end(), two.lines.begin(), two.lines.end());
    return DesignOutcome::done(std::move(v), std::move(lines));
}

}  // namespace

DesignOutcome correctFromDesigns(const DesignCorrectionInputs& in, NumberFormat format) {
    DesignCorrection v;
    v.required = in.required;
    std::vector<Group> groups;
    try {
        for (const DesignSample& d : in.designs) groups.push_back(groupOf(d));
    } catch (const Fault& fault) {
        return DesignOutcome::failed(fault.what(), MessageStyle::ErrorBox);
    }
    if (const std::string why = refusal(in, groups); !why.empty()) return refused(why);
    for (std::size_t i = 0; i < groups.size(); ++i)
        v.points.push_back(
            {in.designs[i].design, static_cast<int>(groups[i].n), groups[i].mean, groups[i].ratio});
    v.water = in.designs.back().water;
    if (groups.size() == 2) return twoDesigns(std::move(v), format);
    try {
        v.line = fitLine(groups);
        v.correction = correctOnLine(*v.line, v.required, v.water);
    } catch (const Fault& fault) {
        return DesignOutcome::failed(fault.what(), MessageStyle::ErrorBox, std::move(v));
    }
    std::vector<std::string> lines = lineReport(v, format);
    return DesignOutcome::done(std::move(v), std::move(lines));
}

std::string correctionText(double value, NumberFormat format) {
    std::string text = formatRoundTrip(value);
    for (char& c : text)
        if (c == '.') c = format.decimal;
    return text;
}

std::string designCorrectionTitle(int windowNumber) {
    return reportText("Correction concrete mixture by the designs. Window №") +
           std::to_string(windowNumber);
}

}  // namespace orvan::correction
