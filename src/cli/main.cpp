#include <cstdio>
#include <exception>
#include <iostream>
#include <string>
#include <vector>

#include "cli/CommandLine.h"
#include "cli/Commands.h"
#include "common/UserError.h"

namespace {

constexpr const char* kUsage =
    "Велора — команды без окон\n"
    "\n"
    "  velora-cli chart --date ГГГГ-ММ-ДД --time ЧЧ:ММ --lat ШИРОТА --lon ДОЛГОТА\n"
    "                   [--houses M|A|P|K|S|L] [--json]\n"
    "      положения 16 тел и точек и куспиды домов (время по Гринвичу)\n"
    "  velora-cli textlib decipher|encipher ФАЙЛ --key КЛЮЧ [--out ФАЙЛ]\n"
    "      файл библиотеки текстов: шифр Windows-1251 <-> правимый текст UTF-8\n"
    "  velora-cli textlib check ПАПКА\n"
    "      проверка папки с Dann: все ли сочетания ключей найдут свой заголовок\n"
    "  velora-cli interpret --kind "
    "radix|radix-child|directions|transit|transit-medical|solar|lunar\n"
    "                   --date ... --time ... --lat ... --lon ... [--to ДАТА [--aspect-set 6|16]]\n"
    "                   [--year ГОД [--month М] [--entry 1|2|3]] [--name ИМЯ] [--houses КОД]\n"
    "                   [--data ПАПКА] [--out ФАЙЛ.txt|ФАЙЛ.rtf]\n"
    "      толкование карты, как его показывает программа\n"
    "  velora-cli directions --date ... --time ... --lat ... --lon ... --to ДАТА\n"
    "                   [--houses КОД] [--orbs НАБОР|17 ОРБИСОВ] [--all-items] [--aspects "
    "A,B,...]\n"
    "      дирекции на дату: таблица и аспекты дирекционных планет к радиксу\n"
    "  velora-cli transits ... --second-date ... --second-time ... [--houses КОД] [--orbs ...]\n"
    "                   [--all-items] [--aspects A,B,...]\n"
    "      транзиты момента второй карты к радиксу\n"
    "  velora-cli calendar ... --from ДАТА --to ДАТА [--second-time ЧЧ:ММ] [настройки]\n"
    "      таблица транзитов по дням\n"
    "  velora-cli fatigue ... --from ДАТА --to ДАТА [--name ИМЯ]\n"
    "      дни усталости организма\n"
    "  velora-cli solar ... --year ГОД [--second-lat ШИРОТА --second-lon ДОЛГОТА]\n"
    "      момент соляра года (время по Гринвичу)\n"
    "  velora-cli lunar ... --year ГОД --month М [--second-day Д --second-time ЧЧ:ММ]\n"
    "                   [--second-lat ШИРОТА --second-lon ДОЛГОТА]\n"
    "      три лунара от выбранного месяца, как их показывает список\n"
#ifdef VELORA_CLI_WITH_PICTURES
    "  velora-cli wheel ... --out ФАЙЛ.png|ФАЙЛ.bmp\n"
    "      рисунок карты (см. velora-cli wheel --help)\n"
#endif
    ;

struct Subcommand {
  const char* name;
  int (*run)(const std::vector<std::string>&);
};

constexpr Subcommand kSubcommands[] = {
    {"chart", velora::cli::RunChartCommand},
    {"textlib", velora::cli::RunTextlibCommand},
    {"interpret", velora::cli::RunInterpretCommand},
    {"directions", velora::cli::RunDirectionsCommand},
    {"transits", velora::cli::RunTransitsCommand},
    {"calendar", velora::cli::RunCalendarCommand},
    {"fatigue", velora::cli::RunFatigueCommand},
    {"solar", velora::cli::RunSolarCommand},
    {"lunar", velora::cli::RunLunarCommand},
#ifdef VELORA_CLI_WITH_PICTURES
    {"wheel", velora::cli::RunWheelCommand},
#endif
};

// A result that did not reach standard output (closed, or a full disk behind it) is a failure,
// never a success with a truncated file.
int FinishOutput(const std::string& name, int status) {
  std::cout.flush();
  const bool failed = !std::cout || std::fflush(stdout) != 0 || std::ferror(stdout) != 0;
  if (!failed) return status;
  std::cerr << "velora-cli " << name
            << ": результат не записан в стандартный вывод (он закрыт или диск полон)\n";
  return velora::cli::kExitFailure;
}

}  // namespace

int main(int argc, char** argv) {
  using namespace velora::cli;
  std::vector<std::string> arguments(argv + 1, argv + argc);
  if (arguments.empty() || arguments[0] == "--help" || arguments[0] == "-h") {
    std::cout << kUsage;
    return arguments.empty() ? kExitUsage : kExitSuccess;
  }
  const std::string name = arguments[0];
  arguments.erase(arguments.begin());
  for (const Subcommand& subcommand : kSubcommands) {
    if (name != subcommand.name) continue;
    try {
      return FinishOutput(name, subcommand.run(arguments));
    } catch (const UsageError& error) {
      std::cerr << "velora-cli " << name << ": " << error.what() << '\n';
      return kExitUsage;
    } catch (const velora::UserError& error) {
      std::cerr << "velora-cli " << name << ": " << error.what() << '\n';
      return kExitFailure;
    } catch (const std::exception& error) {
      std::cerr << "velora-cli " << name << ": внутренняя ошибка: " << error.what() << '\n';
      return kExitFailure;
    }
  }
  std::cerr << "velora-cli: неизвестная команда «" << name << "»\n\n" << kUsage;
  return kExitUsage;
}
