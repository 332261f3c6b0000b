#pragma once
// The strength journal: mixes, their parties (unique per mix), the extracts of each party,
// the analysed periods computed from them and saved mix designs. One store, either an SQLite
// file (by default in the program's data folder) or a PostgreSQL database given by a URL
// postgresql://user@host[:port]/dbname, whose password libpq finds itself (~/.pgpass,
// PGPASSWORD); no password is ever taken or kept here.
//
// Every write is one transaction: a write that fails changes nothing.
#include <QSqlDatabase>
#include <QString>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace orvan::journal {

// The program's name, which names its data folder (QStandardPaths::AppDataLocation).
inline constexpr const char* kProgramName = "Orvan-6.4";
inline constexpr int kSchemaVersion = 1;

// How a call ended: `ok`, or the message the program shows.
struct Status {
    bool ok = true;
    std::string message;
    static Status failed(std::string text) { return {false, std::move(text)}; }
    explicit operator bool() const { return ok; }
};

// A value, or the Status that says why there is none.
template <class T>
struct Result {
    T value{};
    Status status;
    explicit operator bool() const { return status.ok; }
};

class Journal;
// An open journal, or the message that says why it could not be opened.
struct OpenedJournal {
    std::unique_ptr<Journal> journal;
    std::string message;
};

struct Mix {
    long long id = 0;
    std::string name;
    std::string classText;  // specified class B in MPa as typed, "" when not set
    std::string layout;     // "5x6", "10x3" or ""
    long long partyCount = 0;
};

struct Party {
    long long id = 0;
    long long mixId = 0;
    std::string date;                        // YYYY-MM-DD
    std::string number;                      // unique within its mix
    std::vector<std::string> strengthTexts;  // extracts 1..n, as entered
};

// The default journal: <AppDataLocation>/journal.sqlite.
QString defaultJournalLocation();
// The program's journal: the settings' "journal/location" (a path or postgresql:// URL), or
// the default.
QString configuredJournalLocation();

class Journal {
public:
    // Opens (and creates on first use) the journal at a file path or a postgresql:// URL,
    // bringing an older schema up to date. A journal of a newer schema is refused untouched.
    static OpenedJournal open(const QString& location);
    ~Journal();
    Journal(const Journal&) = delete;
    Journal& operator=(const Journal&) = delete;

    QSqlDatabase database() const;
    bool isPostgres() const { return postgres_; }
    QString location() const { return location_; }

    // Runs `work` in one transaction: committed when it returns ok, rolled back otherwise.
    Status write(const std::function<Status()>& work);

    // Mixes, by name.
    std::vector<Mix> mixes() const;
    std::optional<Mix> findMix(const std::string& name) const;
    Status addMix(const std::string& name);
    Status updateMix(const Mix& mix);  // name, class and layout
    Status deleteMix(long long id);    // with its parties, periods and designs

    // Parties of a mix.
    Result<long long> addParty(const Party& party);  // the new party's id
    Status updateParty(const Party& party);
    Status deleteParties(const std::vector<long long>& ids);
    std::optional<Party> party(long long id) const;
    // One more than the largest all-digit party number of the mix ("1" for none).
    std::string nextPartyNumber(long long mixId) const;

    // Inside write(): the same without a transaction of their own.
    Result<long long> insertMix(const std::string& name);  // the new mix's id
    Result<long long> insertParty(const Party& party);

private:
    Journal(QString connection, QString location, bool postgres);
    Status migrate();
    QString connection_;
    QString location_;
    bool postgres_ = false;
};

// A query's error as the message the program shows.
std::string sqlError(const class QSqlQuery& query);

}  // namespace orvan::journal
