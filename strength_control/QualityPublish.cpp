#include "strength_control/QualityPublish.h"

#include <QCoreApplication>

#include "kit/AppContext.h"
#include "kit/DocumentArea.h"
#include "kit/LocaleNumberFormat.h"
#include "kit/Messages.h"
#include "strength_control/CusumChartWindow.h"

namespace ctl = orvan::control;

namespace {

TextWindow* publish(AppContext& app, std::string (*title)(int),
                    const std::vector<std::string>& lines) {
    DocumentArea* documents = app.documents();
    return documents
               ? documents->publishReport([title](int n) { return fromCore(title(n)); }, lines)
               : nullptr;
}

}  // namespace

TextWindow* publishVerdictReport(AppContext& app, QWidget* parent,
                                 const std::optional<ctl::ChartFigures>& figures) {
    if (!figures || figures->strengths.empty()) {
        showMessage(parent, QCoreApplication::translate("fmPeriod_Control2",
                                                        "The chart holds no strengths to report."));
        return nullptr;
    }
    const ctl::PeriodVerdicts verdicts = ctl::judgePeriod(figures->limits, figures->strengths);
    return publish(
        app, ctl::verdictReportTitle,
        ctl::verdictReportLines(figures->limits, verdicts, numberFormat(), figures->parties));
}

TextWindow* publishCusum(AppContext& app, QWidget* parent, const ctl::CusumInputs& inputs) {
    const ctl::CusumOutcome outcome = ctl::runCusum(inputs, numberFormat());
    if (!outcome.ok()) {
        showOutcome(parent, outcome);
        return nullptr;
    }
    TextWindow* report = publish(app, ctl::cusumReportTitle, outcome.lines);
    auto* chart = new CusumChartWindow(parent);
    chart->setAttribute(Qt::WA_DeleteOnClose);
    chart->setInputs(inputs);
    chart->draw(outcome.values);
    chart->show();
    return report;
}

TextWindow* publishConformity(AppContext& app, QWidget* parent,
                              const ctl::ConformityInputs& inputs) {
    const ctl::ConformityOutcome outcome =
        ctl::checkConformity(inputs, numberFormat(), ctl::RuleNaming::Caption);
    if (!outcome.ok()) {
        showOutcome(parent, outcome);
        return nullptr;
    }
    return publish(app, ctl::conformityReportTitle, outcome.lines);
}
