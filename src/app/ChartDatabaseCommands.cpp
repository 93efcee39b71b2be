#include "app/ChartDatabaseCommands.h"

#include "charts/DatabaseRecord.h"
#include "common/UserError.h"

namespace velora {

std::optional<std::string> SaveChartToDatabase(ChartDatabase& database, const ChartForm& form) {
  std::optional<std::string> notice = database.Load();
  std::string record = FormatDatabaseRecord(form);
  database.Append(std::move(record));
  try {
    database.Save();
  } catch (const UserError&) {
    database.Remove(static_cast<int>(database.lines().size()) - 1);
    throw;
  }
  return notice;
}

}  // namespace velora
