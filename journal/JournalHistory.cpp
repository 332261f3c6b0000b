#include "journal/JournalHistory.h"

#include <QSqlQuery>
#include <QVariant>

#include "common/ReportLanguage.h"
#include "journal/JournalSnapshot.h"
#include "journal/Storage.h"

namespace orvan::journal {

namespace {

constexpr const char* kColumns =
    "SELECT id, happened_at, user_name, db_role, action, mix_name, parties, before_text, "
    "after_text, reason, undoes FROM history ";

HistoryEvent eventOf(const QSqlQuery& q) {
    return {q.value(0).toLongLong(), textOf(q.value(1)),      textOf(q.value(2)),
            textOf(q.value(3)),      textOf(q.value(4)),      textOf(q.value(5)),
            textOf(q.value(6)),      textOf(q.value(7)),      textOf(q.value(8)),
            textOf(q.value(9)),      q.value(10).toLongLong()};
}

Outcome<HistoryEvent> oneEvent(const Journal& journal, long long id) {
    QSqlQuery query = Storage::prepared(journal, QString(kColumns) + "WHERE id = ?", {id});
    if (!query.exec()) return Storage::failed<HistoryEvent>(query);
    if (!query.next())
        return Outcome<HistoryEvent>::refused(
            reportText("There is no event %1 in the journal's history", {std::to_string(id)}),
            MessageStyle::Message);
    return Outcome<HistoryEvent>::done(eventOf(query));
}

Outcome<bool> alreadyUndone(const Journal& journal, long long id) {
    QSqlQuery query =
        Storage::prepared(journal, "SELECT COUNT(*) FROM history WHERE undoes = ?", {id});
    if (!query.exec() || !query.next()) return Storage::failed<bool>(query);
    return Outcome<bool>::done(query.value(0).toLongLong() > 0);
}

// What undoing `event` does to the rows; the undo's own event gets what it removed and added.
Outcome<> reverse(Journal& journal, const HistoryEvent& event, EventRecord& undo) {
    const std::string& action = event.action;
    if (action == "import" || action == "add" || action == "paste") {
        undo.before = event.after;
        if (Outcome<> results = removeResults(journal, event.after); !results.ok()) return results;
        const auto removed = removeParties(journal, event.after);
        if (!removed.ok()) return Outcome<>::endedAs(removed);
        return removeEmptyMixes(journal, event.after);
    }
    if (action == "delete") {
        const auto restored = restoreParties(journal, event.before);
        if (!restored.ok()) return Outcome<>::endedAs(restored);
        const auto after = partiesSnapshot(journal, restored.values);
        if (!after.ok()) return Outcome<>::endedAs(after);
        undo.after = after.values;
        return Outcome<>::done({});
    }
    if (action == "edit") {
        // The party as it is now goes; the party as it was comes back.
        undo.before = event.after;
        if (const auto removed = removeParties(journal, event.after); !removed.ok())
            return Outcome<>::endedAs(removed);
        const auto restored = restoreParties(journal, event.before);
        if (!restored.ok()) return Outcome<>::endedAs(restored);
        undo.after = event.before;
        return Outcome<>::done({});
    }
    if (action == "delete mix") {
        const auto restored = restoreMix(journal, event.before);
        if (!restored.ok()) return Outcome<>::endedAs(restored);
        undo.after = mixIdJson(restored.values);
        return Outcome<>::done({});
    }
    return Outcome<>::refused(
        reportText("The event %1 (%2) cannot be undone", {std::to_string(event.id), action}),
        MessageStyle::Message);
}

}  // namespace

Outcome<std::vector<HistoryEvent>> readHistory(const Journal& journal,
                                               const HistoryFilter& filter) {
    // Days compare as the first ten characters of the ISO time.
    QSqlQuery query = Storage::prepared(
        journal,
        QString(kColumns) +
            "WHERE (? = '' OR mix_name = ?) AND (? = '' OR SUBSTR(happened_at, 1, 10) >= ?) "
            "AND (? = '' OR SUBSTR(happened_at, 1, 10) <= ?) ORDER BY id",
        {sqlText(filter.mix), sqlText(filter.mix), sqlText(filter.from), sqlText(filter.from),
         sqlText(filter.to), sqlText(filter.to)});
    if (!query.exec()) return Storage::failed<std::vector<HistoryEvent>>(query);
    std::vector<HistoryEvent> events;
    while (query.next()) events.push_back(eventOf(query));
    return Outcome<std::vector<HistoryEvent>>::done(std::move(events));
}

Outcome<> undoEvent(Journal& journal, long long eventId, const std::string& reason) {
    return Storage::inTransaction(journal, Storage::Need::Edit, [&]() -> Outcome<> {
        const Outcome<HistoryEvent> event = oneEvent(journal, eventId);
        if (!event.ok()) return Outcome<>::endedAs(event);
        const Outcome<bool> undone = alreadyUndone(journal, eventId);
        if (!undone.ok()) return Outcome<>::endedAs(undone);
        if (undone.values)
            return Outcome<>::refused(
                reportText("The event %1 is undone already", {std::to_string(eventId)}),
                MessageStyle::Message);
        EventRecord undo{"undo", event.values.mix, event.values.parties, "", "", reason, eventId};
        if (Outcome<> reversed = reverse(journal, event.values, undo); !reversed.ok())
            return reversed;
        return Storage::record(journal, undo);
    });
}

}  // namespace orvan::journal
