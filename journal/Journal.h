#pragma once
// The strength journal: mixes, their parties (unique per mix), the extracts of each party,
// the analysed periods computed from them, saved mix designs and the history of every change.
// One store, either an SQLite file (by default in the program's data folder) or a PostgreSQL
// database given by a URL postgresql://user@host[:port]/dbname, whose password libpq finds
// itself (~/.pgpass, PGPASSWORD); no password is ever taken, kept or shown here.
//
// Every statement of the journal lives in the storage's own files (journal/*.cpp); the
// database handle is not reachable from outside them. Every call answers with an Outcome:
// done (with what it read), or failed with the database's message, so that "no rows" and
// "could not read" are never the same answer. Every write is one transaction: a write that
// fails changes nothing.
#include <QString>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "common/Outcome.h"

namespace orvan::journal {

// The program's name, which names its data folder (QStandardPaths::AppDataLocation).
inline constexpr const char* kProgramName = "Orvan-6.4";
inline constexpr int kSchemaVersion = 5;
// The age (days) the strength is specified at: the results the analysed and controlled
// periods take. A result of another age (an early one, 1 to 27 days, or a later one up to a
// year) is kept beside them.
inline constexpr int kDesignAge = 28;
inline constexpr int kMinAge = 1, kMaxAge = 365;

struct Mix {
    long long id = 0;
    std::string name;
    std::string classText;  // specified class B in MPa as typed, "" when not set
    std::string layout;     // "5x6", "10x3" or ""
    long long partyCount = 0;
    long long extractCount = 0;
};

// The extracts of a party tested at one age other than the design age.
struct AgeResults {
    int age = 0;                             // days
    std::vector<std::string> strengthTexts;  // extracts 1..n of that age, as entered
};

struct Party {
    long long id = 0;
    long long mixId = 0;
    std::string date;                        // YYYY-MM-DD, the day it was made
    std::string number;                      // unique within its mix
    std::vector<std::string> strengthTexts;  // extracts 1..n at the design age, as entered
    std::vector<AgeResults> otherAges;       // by age
    std::string design;                      // the saved design it was made from, or ""
};

// One row of the journal window's table of parties.
struct PartyRow {
    long long id = 0;
    std::string date, number;
    std::string extracts;        // the design-age strengths in extract order, "24; 25; 27"
    std::optional<double> mean;  // MPa; none for a party without design-age extracts
    std::vector<std::pair<int, std::string>> otherAges;  // age, its strengths "18; 19"
    std::string design;
};

enum class PartyOrder { Date, Number, Mean };

// Which parties of a mix a table shows, and in what order.
struct PartyFilter {
    long long mixId = 0;
    std::string from, to;  // ISO days, inclusive; "" is open
    PartyOrder order = PartyOrder::Date;
    bool descending = false;
};

// What the connected user may do (on SQLite: everything, unless the journal is damaged).
struct Permissions {
    bool read = true;
    bool add = true;   // add parties, import, save periods and designs
    bool edit = true;  // edit, delete, undo
};

// The default journal: <AppDataLocation>/journal.sqlite.
QString defaultJournalLocation();
// The program's journal: the settings' "journal/location" (a path or postgresql:// URL), or
// the default.
QString configuredJournalLocation();
void rememberJournalLocation(const QString& location);
// The location as it may be shown: a URL's password (if any) never appears.
std::string shownLocation(const QString& location);

class Journal {
public:
    // Opens (and creates on first use) the journal at a file path or a postgresql:// URL,
    // bringing an older schema up to date. A journal of a newer schema is refused untouched;
    // a damaged SQLite file is opened read-only (damage() says what is wrong).
    static Outcome<std::unique_ptr<Journal>> open(const QString& location);
    ~Journal();
    Journal(const Journal&) = delete;
    Journal& operator=(const Journal&) = delete;

    bool isPostgres() const { return postgres_; }
    QString location() const { return location_; }
    // Why the journal is open read-only; "" when it is sound.
    const std::string& damage() const { return damage_; }
    const Permissions& permissions() const { return permissions_; }

    // SQLite's integrity_check, or on PostgreSQL a consistency query of the journal's own
    // tables: done with no problem found, failed naming the damage.
    Outcome<> check() const;
    // A PostgreSQL connection lost since the last action (the server restarted) opened again;
    // failed while the server cannot be reached.
    Outcome<> reconnectIfLost();

    // Mixes, by name.
    Outcome<std::vector<Mix>> mixes() const;
    Outcome<std::optional<Mix>> findMix(const std::string& name) const;
    Outcome<std::optional<Mix>> mix(long long id) const;
    Outcome<long long> addMix(const std::string& name);  // the new mix's id
    Outcome<> updateMix(const Mix& mix);                 // name, class and layout
    // With its parties, periods and designs; kept in the history, so that undo brings it back.
    Outcome<> deleteMix(long long id, const std::string& reason = {});

    // Parties of a mix.
    Outcome<long long> addParty(const Party& party);  // the new party's id
    Outcome<> updateParty(const Party& party, const std::string& reason = {});
    Outcome<> deleteParties(const std::vector<long long>& ids, const std::string& reason = {});
    Outcome<std::optional<Party>> party(long long id) const;
    // Several parties (added in one action), each with its extracts, in the order of `texts`.
    Outcome<std::vector<long long>> addParties(const std::vector<Party>& parties,
                                               const std::string& action);
    // One more than the largest all-digit party number of the mix ("1" for none).
    Outcome<std::string> nextPartyNumber(long long mixId) const;

    // The journal window's table, a page at a time: a journal of 100,000 parties is never
    // read whole.
    Outcome<long long> countParties(const PartyFilter& filter) const;
    // The ages other than the design age at which the mix's parties were tested, ascending.
    Outcome<std::vector<int>> otherAges(long long mixId) const;
    Outcome<std::vector<PartyRow>> partyRows(const PartyFilter& filter, long long offset,
                                             int limit) const;

    // The connection's role for the history (PostgreSQL), or "".
    const std::string& role() const { return role_; }

private:
    friend class Storage;  // the storage's own files (journal/Storage.h)
    Journal(QString connection, QString location, bool postgres);
    Outcome<> migrate();
    Outcome<> readPermissions();
    QString connection_;
    QString location_;
    bool postgres_ = false;
    std::string damage_;
    std::string role_;
    Permissions permissions_;
};

}  // namespace orvan::journal
