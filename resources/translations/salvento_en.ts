<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US" sourcelanguage="pl_PL">
<context>
    <name>CalcChoices</name>
    <message>
        <location filename="../../src/core/calc/CalcChoices.cpp" line="+20"/>
        <source>Nowa</source>
        <translation>New</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Żadna</source>
        <translation>None</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Numer wiersza</source>
        <translation>Row number</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Niestety, posiadane przez Ciebie dane nie pozwalają obliczyć żadnego wskaźnika !</source>
        <translation>Sorry, the data you have do not allow any index to be calculated!</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Tabela %2d ()</source>
        <translation>Table %2d ()</translation>
    </message>
</context>
<context>
    <name>CalcManager</name>
    <message>
        <location filename="../../src/core/calc/CalcManager.cpp" line="+38"/>
        <source>Przykro mi, ale nie możesz policzyć żadnego wskaźnika !</source>
        <translation>Sorry, you cannot calculate any index!</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Nie wybrałeś żadnego wskaźnika !</source>
        <translation>You have not chosen any index!</translation>
    </message>
    <message>
        <location line="+273"/>
        <source>Wartości domyślne zamiast danych z tabel (w co najmniej jednym wierszu): %1</source>
        <translation>Defaults instead of data from the tables (in at least one row): %1</translation>
    </message>
</context>
<context>
    <name>CalcRunner</name>
    <message>
        <location filename="../../src/gui/calc/CalcRunner.cpp" line="+27"/>
        <source>Wiersze: %L1 z %L2</source>
        <translation>Rows: %L1 of %L2</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>%1 min %2 s</source>
        <translation>%1 min %2 s</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 s</source>
        <translation>%1 s</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>, pozostało około %1</source>
        <translation>, about %1 left</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Anuluj</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Obliczenia</source>
        <translation>Calculations</translation>
    </message>
    <message>
        <location line="+48"/>
        <source>Przerywanie obliczeń ...</source>
        <translation>Stopping the calculation ...</translation>
    </message>
</context>
<context>
    <name>Chart</name>
    <message>
        <location filename="../../src/gui/chart/ChartBuilder.cpp" line="+148"/>
        <source>Data i godzina</source>
        <translation>Date and time</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Wiersz</source>
        <translation>Row</translation>
    </message>
    <message>
        <location line="+54"/>
        <source>Liczba</source>
        <translation>Count</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Kalendarz bioklimatyczny wymaga kolumny month.</source>
        <translation>A bioclimatic calendar needs a month column.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Kolumna %1 nie ma klas, z których powstaje kalendarz bioklimatyczny.</source>
        <translation>Column %1 has no classes to make a bioclimatic calendar of.</translation>
    </message>
</context>
<context>
    <name>DataFile</name>
    <message>
        <location filename="../../src/core/table/DataFile.cpp" line="+296"/>
        <source>Czy na pewno chcesz usunąć zawartość tabeli ?</source>
        <translation>Are you sure you want to delete the contents of the table?</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>Plik nie zawiera wiersza nagłówków - nie można go wczytać przy pomocy tej opcji !</source>
        <translation>The file has no header line - it cannot be loaded with this option!</translation>
    </message>
    <message>
        <location line="+103"/>
        <source>Błąd podczas zapisu do pliku %1 !</source>
        <translation>Error while writing to the file %1!</translation>
    </message>
    <message>
        <location line="-91"/>
        <source>Przy odczycie danych z pliku pominięte zostały kolumny nazywające się tak samo, jak jakaś kolumna tabeli !</source>
        <translation>Columns of the file with the same name as a column of the table were skipped while reading the data!</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Przy odczycie danych z pliku pominięte zostały kolumny nie posiadające w tabeli odpowiedników o takiej samej nazwie !</source>
        <translation>Columns of the file with no column of the same name in the table were skipped while reading the data!</translation>
    </message>
</context>
<context>
    <name>DataManager</name>
    <message>
        <location filename="../../src/core/data/DataManager.cpp" line="+76"/>
        <source>Błąd podczas zapisu do pliku %1 !</source>
        <translation>Error while writing to the file %1!</translation>
    </message>
</context>
<context>
    <name>Editing</name>
    <message>
        <location filename="../../src/core/table/Editing.cpp" line="+83"/>
        <source>Wklejane dane nie mieszczą się w tabeli. Czy powiększyć tabelę do %1 kolumn i %2 wierszy ?</source>
        <translation>The pasted data do not fit in the table. Grow the table to %1 columns and %2 rows?</translation>
    </message>
    <message>
        <location line="+21"/>
        <source>Ta operacja zamieni nazwy części kolumn w tabeli na nazwy zawarte w Schowku.<byte value="xd"/>
Czy jesteś pewien, że chcesz kontynuować ?</source>
        <translation>This operation will replace the names of some columns of the table with the names on the Clipboard.<byte value="xd"/>
Are you sure you want to continue?</translation>
    </message>
    <message>
        <location line="+66"/>
        <source>Tabela musi zawierać co najmniej jeden wiersz - liczba usuwanych wierszy została zmniejszona !</source>
        <translation>A table must keep at least one row - the number of rows to delete has been reduced!</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Tabela musi zawierać co najmniej jedną kolumnę - liczba usuwanych kolumn została zmniejszona !</source>
        <translation>A table must keep at least one column - the number of columns to delete has been reduced!</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>Nazwa kolumny nie może być liczbą !</source>
        <translation>A column name cannot be a number!</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Kolumna o podanej nazwie już istnieje w tej tabeli !</source>
        <translation>A column with this name already exists in this table!</translation>
    </message>
</context>
<context>
    <name>EpwFile</name>
    <message>
        <location filename="../../src/core/table/EpwFile.cpp" line="+197"/>
        <source>Plik %1, wiersz %2: </source>
        <translation>File %1, line %2: </translation>
    </message>
    <message>
        <location line="+9"/>
        <source>liczba pól %1 zamiast %2 !</source>
        <translation>%1 fields instead of %2 !</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>pole %1 (%2) ma niepoprawną wartość „%3” !</source>
        <translation>field %1 (%2) has an invalid value &quot;%3&quot; !</translation>
    </message>
    <message>
        <location line="+51"/>
        <source>wiersz LOCATION nie podaje szerokości geograficznej !</source>
        <translation>the LOCATION line gives no latitude !</translation>
    </message>
    <message>
        <location line="+24"/>
        <source>Plik %1 kończy się w wierszu %2, zanim zaczynają się dane godzinowe !</source>
        <translation>The file %1 ends at line %2, before its hourly data begin !</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Plik %1 urywa się w wierszu %2: ma %3 z %4 wierszy godzinowych, które zapowiada wiersz DATA PERIODS !</source>
        <translation>The file %1 breaks off at line %2: it has %3 of the %4 hourly lines its DATA PERIODS line announces !</translation>
    </message>
    <message>
        <location line="+43"/>
        <source>Stacja %1: szerokość %2°, długość %3°, wysokość %4 m; okres %5 – %6; wczytane wiersze: %7; brakujące wartości: %8</source>
        <translation>Station %1: latitude %2°, longitude %3°, elevation %4 m; period %5 – %6; rows read: %7; missing values: %8</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>brak</source>
        <translation>none</translation>
    </message>
</context>
<context>
    <name>KindEditing</name>
    <message>
        <location filename="../../src/core/data/KindEditing.cpp" line="+73"/>
        <source>Dana o podanej nazwie już istnieje !
Zmiana nazwy nie została zapisana !</source>
        <translation>A quantity with this name already exists!
The new name has not been saved!</translation>
    </message>
</context>
<context>
    <name>LoadOptions</name>
    <message>
        <location filename="../../src/core/table/LoadOptions.cpp" line="+30"/>
        <source>Separator danych nie może być taki sam, jak separator dziesiętny !</source>
        <translation>The data separator cannot be the same as the decimal separator!</translation>
    </message>
</context>
<context>
    <name>OpenDataFile</name>
    <message>
        <location filename="../../src/core/table/OpenDataFile.cpp" line="+80"/>
        <source>Nie mogę znaleźć pliku </source>
        <translation>Cannot find the file </translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Plik %1 jest za duży: można wczytać plik o wielkości najwyżej %2 MB !</source>
        <translation>The file %1 is too large: a file of at most %2 MB can be read!</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Nie mogę odczytać pliku %1 !</source>
        <translation>I cannot read the file %1!</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Plik %1 nie zawiera danych !</source>
        <translation>The file %1 contains no data!</translation>
    </message>
</context>
<context>
    <name>ProgramOptions</name>
    <message>
        <location filename="../../src/core/settings/Options.cpp" line="+43"/>
        <source>Domyślny separator dziesiętny systemu Windows ma więcej niż jeden znak.<byte value="xd"/>
Przyjęto kropkę jako separator dziesiętny.</source>
        <translation>The system&apos;s default decimal separator is longer than one character.<byte value="xd"/>
The point is used as the decimal separator instead.</translation>
    </message>
</context>
<context>
    <name>SalventoCli</name>
    <message>
        <location filename="../../src/cli/CalcCommand.cpp" line="+109"/>
        <source>Plik wynikowy %1 jest jednym z plików wejściowych !</source>
        <translation>The output file %1 is one of the input files!</translation>
    </message>
    <message>
        <location line="+49"/>
        <location filename="../../src/cli/main.cpp" line="+191"/>
        <source>Katalog %1 nie istnieje !</source>
        <translation>The directory %1 does not exist!</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>%1: wyniki zapisane w pliku %2</source>
        <translation>%1: results saved in %2</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>%1: nie policzono</source>
        <translation>%1: not calculated</translation>
    </message>
    <message>
        <location filename="../../src/cli/main.cpp" line="+2"/>
        <source>Brak pliku konfiguracji %1 !</source>
        <translation>The configuration file %1 is missing!</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Nie mogę odczytać pliku konfiguracji %1 !</source>
        <translation>I cannot read the configuration file %1!</translation>
    </message>
    <message>
        <location line="+51"/>
        <source>Błąd podczas zapisu na standardowe wyjście !</source>
        <translation>Error while writing to the standard output!</translation>
    </message>
</context>
<context>
    <name>SearchColumn</name>
    <message>
        <location filename="../../src/core/search/SearchColumn.cpp" line="+30"/>
        <source>Kolumna o podanej nazwie nie została znaleziona w żadnej tabeli !</source>
        <translation>No column with this name was found in any table!</translation>
    </message>
</context>
<context>
    <name>SearchData</name>
    <message>
        <location filename="../../src/core/search/SearchData.cpp" line="+95"/>
        <source>zawierająca podany tekst</source>
        <translation>containing the given text</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>zawierająca podaną liczbę</source>
        <translation>containing the given number</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>nie zawierająca poprawnej danej</source>
        <translation>without valid data</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>zawierająca daną o wartości spoza dopuszczalnego zakresu</source>
        <translation>containing a value out of the allowed range</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>z podanego przedziału</source>
        <translation>with a value in the given interval</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>z jednego z przedziałów standardowych</source>
        <translation>with a value in one of the standard intervals</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Komórka </source>
        <translation>No cell </translation>
    </message>
    <message>
        <location line="+1"/>
        <source> nie została znaleziona w bieżącej </source>
        <translation> was found in the current </translation>
    </message>
    <message>
        <location line="+1"/>
        <source>tabeli !</source>
        <translation>table!</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>kolumnie !</source>
        <translation>column!</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Uruchomienie przeszukiwania nie jest możliwe !<byte value="xd"/>
Opcja &apos;Szukaj w przedziałach standardowych&apos; była uaktywniona dla kolumny &apos;</source>
        <translation>The search cannot be started!<byte value="xd"/>
The option &apos;Find in standard intervals&apos; was turned on for the column &apos;</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>&apos; .<byte value="xd"/>
Bieżąca kolumna zaś nosi nazwę &apos;</source>
        <translation>&apos;.<byte value="xd"/>
The current column, however, is named &apos;</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&apos; .<byte value="xd"/>
Bieżąca kolumna zaś nie jest kolumną danych !</source>
        <translation>&apos;.<byte value="xd"/>
The current column, however, is not a data column!</translation>
    </message>
    <message>
        <location filename="../../src/core/search/SearchIntervals.cpp" line="+41"/>
        <source>Błędny format pola &apos;Przedziały&apos; (niepoprawna liczba danych) !</source>
        <translation>Wrong format of the field &apos;Intervals&apos; (wrong number of values)!</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Błędny format pola &apos;Przedziały&apos; (nie wszystkie dane są liczbami lub są rozdzielone niewłaściwymi separatorami) !</source>
        <translation>Wrong format of the field &apos;Intervals&apos; (not all values are numbers or they are separated by wrong separators)!</translation>
    </message>
    <message>
        <location filename="../../src/core/search/SearchRequest.cpp" line="+84"/>
        <source>W bieżącej kolumnie są tylko opisy słowne: nie można w niej szukać liczby ani przedziału !</source>
        <translation>The current column holds only verbal descriptions: no number or interval can be searched for in it!</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Pole &apos;Liczba do znalezienia&apos; musi zawierać poprawną liczbę !</source>
        <translation>The field &apos;Number to find&apos; must contain a valid number!</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Musisz zaznaczyć jedno z pól:<byte value="xd"/>
 &apos;Szukaj danych brakujących&apos; lub &apos;Szukaj danych niepoprawnych&apos; !</source>
        <translation>You must tick one of the boxes:<byte value="xd"/>
 &apos;Find missing data&apos; or &apos;Find invalid data&apos;!</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Musisz zaznaczyć chociaż jeden przedział na liście &apos;Przedziały standardowe&apos; !</source>
        <translation>You must select at least one interval in the list &apos;Standard intervals&apos;!</translation>
    </message>
</context>
<context>
    <name>StatOptions</name>
    <message>
        <location filename="../../src/core/stats/StatOptions.cpp" line="+61"/>
        <source>Pole &apos;od wiersza&apos; musi zawierać liczbę całkowitą !</source>
        <translation>The field &apos;from row&apos; must contain a whole number!</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Pole &apos;do wiersza&apos; musi zawierać liczbę całkowitą !</source>
        <translation>The field &apos;to row&apos; must contain a whole number!</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Pole &apos;szerokość przedziału&apos; musi zawierać liczbę rzeczywistą !</source>
        <translation>The field &apos;interval width&apos; must contain a real number!</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Pole &apos;ilość przedziałów&apos; musi zawierać liczbę rzeczywistą !</source>
        <translation>The field &apos;number of intervals&apos; must contain a real number!</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Pole &apos;progi użytkownika&apos; musi zawierać liczby rzeczywiste oddzielone znakami &apos;%1&apos; !</source>
        <translation>The field &apos;user thresholds&apos; must contain real numbers separated by &apos;%1&apos;!</translation>
    </message>
</context>
<context>
    <name>StatReport</name>
    <message>
        <location filename="../../src/core/stats/ColumnReport.cpp" line="+121"/>
        <source>            Kolumna %s (%s)</source>
        <translation>            Column %s (%s)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>            Kolumna %s</source>
        <translation>            Column %s</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Cała kolumna jest pusta !</source>
        <translation>The whole column is empty!</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>W tej kolumnie jest tylko jedna dana: %.3f</source>
        <translation>This column holds only one value: %.3f</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>W tej kolumnie jest tylko jedna dana: %.3f (%s)</source>
        <translation>This column holds only one value: %.3f (%s)</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Ilość wierszy:                 %3d  (od %d do %d)</source>
        <translation>Number of rows:                %3d  (from %d to %d)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Ilość danych liczbowych:       %3d</source>
        <translation>Number of numeric values:      %3d</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>w tym spoza dopuszcz. zakresu: %3d</source>
        <translation>of which out of allowed range: %3d</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Ilość napisów:                 %3d</source>
        <translation>Number of texts:               %3d</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Suma:                          %10.3f</source>
        <translation>Sum:                           %10.3f</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Minimalna wartość:             %10.3f</source>
        <translation>Minimum value:                 %10.3f</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Maksymalna wartość:            %10.3f</source>
        <translation>Maximum value:                 %10.3f</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Średnia arytmetyczna:          %10.3f ± %.3f  (%s)</source>
        <translation>Arithmetic mean:               %10.3f ± %.3f  (%s)</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Średnia arytmetyczna:          %10.3f ± %.3f</source>
        <translation>Arithmetic mean:               %10.3f ± %.3f</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Wariancja:                     %10.3f ± %.3f</source>
        <translation>Variance:                      %10.3f ± %.3f</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Odchylenie standardowe:        %10.3f ± %.3f</source>
        <translation>Standard deviation:            %10.3f ± %.3f</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&apos;Coefficient of the variance&apos;: %10.3f %%</source>
        <translation>Coefficient of variation:      %10.3f %%</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&apos;Coefficient of the variance&apos;: N/A</source>
        <translation>Coefficient of variation:      N/A</translation>
    </message>
    <message>
        <location filename="../../src/core/stats/Frequency.cpp" line="+81"/>
        <source>PRZEDZIAŁY CZĘSTOŚCI:</source>
        <translation>FREQUENCY INTERVALS:</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>   %3d razy: %s</source>
        <translation>   %3d times: %s</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>   %3d razy: od -INFINITY do %9.2f</source>
        <translation>   %3d times: from -INFINITY to %9.2f</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>   %3d razy: od %9.2f do %9.2f</source>
        <translation>   %3d times: from %9.2f to %9.2f</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>   %3d razy: od %9.2f do +INFINITY</source>
        <translation>   %3d times: from %9.2f to +INFINITY</translation>
    </message>
</context>
<context>
    <name>Suitability</name>
    <message>
        <location filename="../../src/core/indices/Suitability.cpp" line="+23"/>
        <source>Nie mogę otworzyć pliku %1 !</source>
        <translation>I cannot open the file %1!</translation>
    </message>
</context>
<context>
    <name>TAboutBox</name>
    <message>
        <location filename="../../src/gui/app/AboutBox.cpp" line="+15"/>
        <source>O Salvento</source>
        <translation>About Salvento</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Salvento dla Windows</source>
        <translation>Salvento for Windows</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Wersja %1</source>
        <translation>Version %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Rozpowszechniany na licencji MIT</source>
        <translation>Distributed under the MIT licence</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>To fantastycznie !</source>
        <translation>That&apos;s fantastic!</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Kliknij tu lub wciśnij ENTER, by zamknąć okno &apos;O Salvento&apos;</source>
        <translation>Click here or press ENTER to close the &apos;About Salvento&apos; window</translation>
    </message>
</context>
<context>
    <name>TCalcMainForm</name>
    <message>
        <location filename="../../src/gui/calc/CalcMainForm.cpp" line="+50"/>
        <source>Opcje obliczeń</source>
        <translation>Calculation options</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Prosty sposób pobierania danych</source>
        <translation>Simple way of getting data</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Złożony sposób pobierania danych</source>
        <translation>Complex way of getting data</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>Lista wszystkich otwartych tabel</source>
        <translation>List of all open tables</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>W&amp;szystkie tabele:</source>
        <translation>&amp;All tables:</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Lista tabel, z których będą pobierane dane źródłowe podczas obliczeń (ich kolejność ogólnie ma znaczenie)</source>
        <translation>List of the tables the source data are taken from during the calculation (their order generally matters)</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Tabele &amp;użyte do obliczeń:</source>
        <translation>Tables used in &amp;calculations:</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Przeniesienie zaznaczonej na liście &apos;Wszystkie tabele&apos; tabeli do listy &apos;Tabele użyte do obliczeń&apos;</source>
        <translation>Moves the table selected in the list &apos;All tables&apos; to the list &apos;Tables used in calculations&apos;</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Usunięcie z listy &apos;Tabele użyte do obliczeń&apos; zaznaczonej w niej tabeli</source>
        <translation>Removes the selected table from the list &apos;Tables used in calculations&apos;</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Tabela docelowa</source>
        <translation>Destination table</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Zaznaczona</source>
        <translation>&amp;Selected</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Określenie jako tabeli docelowej tę wybraną na liście &apos;Wszystkie tabele&apos;</source>
        <translation>Makes the table selected in the list &apos;All tables&apos; the destination table</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>No&amp;wa</source>
        <translation>Ne&amp;w</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Określenie nowej tabeli jako tabeli docelowej</source>
        <translation>Makes a new table the destination table</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>Kolejność tabel</source>
        <translation>Order of tables</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Do &amp;góry</source>
        <translation>&amp;Up</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>W &amp;dół</source>
        <translation>&amp;Down</translation>
    </message>
    <message>
        <location line="+11"/>
        <location line="+57"/>
        <source>D&amp;alej</source>
        <translation>&amp;Next</translation>
    </message>
    <message>
        <location line="-57"/>
        <location line="+57"/>
        <source>Przejście do kolejnego etapu przygotowywania obliczeń</source>
        <translation>Goes on to the next step of preparing the calculation</translation>
    </message>
    <message>
        <location line="-54"/>
        <location line="+57"/>
        <source>Anuluj</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <location line="-57"/>
        <location line="+57"/>
        <source>Rezygnacja z przeprowadzania obliczeń</source>
        <translation>Cancels the calculation</translation>
    </message>
    <message>
        <location line="-33"/>
        <source>Priorytet &amp;1 (najwyższy):</source>
        <translation>Priority &amp;1 (highest):</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Priorytet &amp;2:</source>
        <translation>Priority &amp;2:</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Priorytet &amp;3:</source>
        <translation>Priority &amp;3:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Priorytet &amp;4 (najniższy):</source>
        <translation>Priority &amp;4 (lowest):</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>Tabela źródłowa:</source>
        <translation>Source table:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Kolumna opisu:</source>
        <translation>Description column:</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Z tej listy wybierz tabelę, w której zostaną zapamiętane wyniki obliczeń (może to być &apos;Nowa&apos; tabela)</source>
        <translation>Choose from this list the table that will receive the results of the calculation (it can be a &apos;New&apos; table)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Tabela docelowa:</source>
        <translation>Destination table:</translation>
    </message>
    <message>
        <location line="+161"/>
        <source>Lista &apos;tabel użytych do obliczeń&apos; jest pusta !</source>
        <translation>The list &apos;Tables used in calculations&apos; is empty!</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Tabele źródłowe muszą występować poczynając od priorytetu 0, bez przerw !</source>
        <translation>Source tables must be given from priority 0 on, without gaps!</translation>
    </message>
</context>
<context>
    <name>TChartWin</name>
    <message>
        <location filename="../../src/gui/chart/ChartWindow.cpp" line="+120"/>
        <source>Przebieg</source>
        <translation>Series</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Histogram</source>
        <translation>Histogram</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Kalendarz bioklimatyczny</source>
        <translation>Bioclimatic calendar</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>W procentach</source>
        <translation>As percentages</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Przedziały:</source>
        <translation>Intervals:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Wartość:</source>
        <translation>Value:</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Zapisz jako ...</source>
        <translation>Save as ...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Kopiuj</source>
        <translation>Copy</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Rodzaj wykresu:</source>
        <translation>Kind of chart:</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Kolumny:</source>
        <translation>Columns:</translation>
    </message>
    <message>
        <location line="+59"/>
        <source>klasy wskaźnika</source>
        <translation>classes of the index</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>o szerokości</source>
        <translation>of width</translation>
    </message>
    <message>
        <location line="-1"/>
        <source>w liczbie</source>
        <translation>in number</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>progi użytkownika</source>
        <translation>user&apos;s thresholds</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Zaznacz kolumny, z których powstaje wykres.</source>
        <translation>Check the columns to draw the chart of.</translation>
    </message>
    <message>
        <location line="+46"/>
        <source>Wykres: %1</source>
        <translation>Chart: %1</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Zapisz wykres</source>
        <translation>Save chart</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Obraz PNG (*.png);;Grafika SVG (*.svg)</source>
        <translation>PNG picture (*.png);;SVG graphics (*.svg)</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Wykres</source>
        <translation>Chart</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Błąd podczas zapisu do pliku %1 !</source>
        <translation>Error while writing to the file %1!</translation>
    </message>
</context>
<context>
    <name>TColOptionsForm</name>
    <message>
        <location filename="../../src/gui/table/ColOptionsForm.cpp" line="+24"/>
        <source>Opcje kolumny</source>
        <translation>Column options</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>To okno służy do zmiany nazwy bieżącej kolumny w tabeli (i ew. związanej z nią danej/wskaźnika)</source>
        <translation>This window changes the name of the current column of the table (and so, possibly, the quantity/index bound to it)</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>Nazwa kolumny: predefiniowana lub dowolna inna</source>
        <translation>Column name: a predefined one or any other</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Nazwa kolumny:</source>
        <translation>Column &amp;name:</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Opis wybranej z listy danej/wskaźnika</source>
        <translation>Description of the quantity/index chosen from the list</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>&amp;Zmień</source>
        <translation>&amp;Change</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Zmiana nazwy bieżącej kolumny na podaną</source>
        <translation>Changes the name of the current column to the one given</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Anuluj</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Rezygnacja ze zmieniania nazwy bieżącej kolumny</source>
        <translation>Leaves the name of the current column as it is</translation>
    </message>
</context>
<context>
    <name>TDataOptionsForm</name>
    <message>
        <location filename="../../src/gui/data/DataOptionsForm.cpp" line="+67"/>
        <source>Opcje danych</source>
        <translation>Data options</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>To okno służy do dokonywania zmian w właściwościach danych/wskaźników, pamiętanych za każdym uruchomieniem Salvento</source>
        <translation>This window changes the properties of the quantities/indices, which Salvento keeps from one run to the next</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Nazwa danej/wskaźnika, którego opcje chcesz ustawić</source>
        <translation>Name of the quantity/index whose options you want to set</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Dana lub wskaźnik, którego opcje chcesz &amp;ustawić:</source>
        <translation>Quantity or &amp;index whose options you want to set:</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Podstawowe informacje</source>
        <translation>Basic information</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Rozpoznawana przez Salvento nazwa danej/wskaźnika</source>
        <translation>The name by which Salvento recognizes the quantity/index</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Opis danej/wskaźnika, do celów wyłącznie informacyjnych</source>
        <translation>Description of the quantity/index, for information only</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>&amp;Nazwa rozpoznawana przez Salvento:</source>
        <translation>&amp;Name recognized by Salvento:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Opis:</source>
        <translation>&amp;Description:</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Wstawia znak stopnia (°) do opisu w miejscu kursora</source>
        <translation>Types the degree sign (°) into the description at the cursor</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Nie używaj &apos;[&apos; ani &apos;]&apos;! Znak stopnia wstawia przycisk:</source>
        <translation>Do not use &apos;[&apos; or &apos;]&apos;! The button types the degree sign:</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Ograniczenia wartości</source>
        <translation>Value limits</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Domyślna wartość danej/wskaźnika, używana podczas obliczeń, gdy w tabelach brak jest wartości tej danej/wskaźnika</source>
        <translation>Default value of the quantity/index, used in calculations when the tables hold no value of this quantity/index</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Najmniejsza dopuszczalna wartość danej/wskaźnika (do celów informacyjnych)</source>
        <translation>Smallest allowed value of the quantity/index (for information)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Największa dopuszczalna wartość danej/wskaźnika (do celów informacyjnych)</source>
        <translation>Largest allowed value of the quantity/index (for information)</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Wartość &amp;domyślna:</source>
        <translation>De&amp;fault value:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Naj&amp;mniejsza dopuszczalna wartość:</source>
        <translation>&amp;Smallest allowed value:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Naj&amp;większa dopuszczalna wartość:</source>
        <translation>&amp;Largest allowed value:</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Opcje obliczeń (dotyczy wskaźników)</source>
        <translation>Calculation options (indices only)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Szczegółowy sposób obliczania wskaźnika</source>
        <translation>How exactly the index is calculated</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Zawsze obliczaj od nowa</source>
        <translation>Al&amp;ways recalculate</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Próbuj obliczyć, ale zostaw jeśli się nie uda</source>
        <translation>T&amp;ry to calculate, but keep the value if that fails</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Obliczaj tylko gdy &amp;Brak Danych</source>
        <translation>Calculate only when data are &amp;missing</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Ni&amp;gdy nie obliczaj</source>
        <translation>Ne&amp;ver calculate</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Progi &amp;standardowe ...</source>
        <translation>Standard &amp;thresholds ...</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Wyświetlenie okna edycji progów standardowych (póki co nie działa!)</source>
        <translation>Opens the window for editing the standard thresholds (does not work yet!)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Z&amp;atwierdź</source>
        <translation>&amp;Apply</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Zatwierdza zmiany dokonane w bieżącej danej/wskaźniku</source>
        <translation>Applies the changes made to the current quantity/index</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Koniec</source>
        <translation>&amp;Close</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Zamyka okno</source>
        <translation>Closes the window</translation>
    </message>
    <message>
        <location line="+98"/>
        <source>Opcja jeszcze nie zaimplementowana !

Jeśli uważasz ją za potrzebną lub ułatwiłaby Ci pracę z Salvento,
napisz do nas!</source>
        <translation>This option is not implemented yet!

If you find it necessary, or it would make your work with Salvento easier,
write to us!</translation>
    </message>
</context>
<context>
    <name>TData_HR</name>
    <message>
        <location filename="../../src/core/indices/SimpleIndices.cpp" line="+185"/>
        <source>normal</source>
        <translation>normal</translation>
    </message>
</context>
<context>
    <name>TDeleteRowsColsForm</name>
    <message>
        <location filename="../../src/gui/table/DeleteRowsColsForm.cpp" line="+15"/>
        <source>Usuń kolumny / wiersze</source>
        <translation>Delete columns / rows</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>To okno służy do usuwania kolumn i wierszy z aktywnej tabeli</source>
        <translation>This window deletes columns and rows from the active table</translation>
    </message>
    <message>
        <location line="+7"/>
        <location line="+2"/>
        <source>Usuń</source>
        <translation>Delete</translation>
    </message>
    <message>
        <location line="-2"/>
        <source>&amp;wierszy</source>
        <translation>&amp;rows</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Ilość wierszy (poczynając od aktywnego) do usunięcia</source>
        <translation>Number of rows to delete (from the active one on)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;kolumn</source>
        <translation>&amp;columns</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Ilość kolumn (poczynając od aktywnej) do usunięcia</source>
        <translation>Number of columns to delete (from the active one on)</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>&amp;Usuń</source>
        <translation>&amp;Delete</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Usunięcie podanej liczby kolumn i wierszy z aktywnej tabeli</source>
        <translation>Deletes the given number of columns and rows from the active table</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Anuluj</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>TExposureTime</name>
    <message>
        <location filename="../../src/core/indices/HeatBalanceIndices.cpp" line="+289"/>
        <source>bez ograniczeń</source>
        <translation>no limit</translation>
    </message>
</context>
<context>
    <name>THelpWindow</name>
    <message>
        <location filename="../../src/gui/app/HelpWindow.cpp" line="+36"/>
        <source>Pomoc programu Salvento</source>
        <translation>Salvento Help</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Spis treści</source>
        <translation>Contents</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Indeks</source>
        <translation>Index</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Szukaj</source>
        <translation>Search</translation>
    </message>
    <message>
        <location line="+26"/>
        <source>&amp;Wstecz</source>
        <translation>&amp;Back</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Poprzednio oglądana strona</source>
        <translation>The page seen before</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Dalej</source>
        <translation>&amp;Forward</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Następna strona w historii</source>
        <translation>The next page in the history</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>&amp;Spis treści</source>
        <translation>&amp;Contents</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Spis treści pomocy</source>
        <translation>The contents of the help</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>D&amp;rukuj ...</source>
        <translation>&amp;Print ...</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Drukuje oglądaną stronę</source>
        <translation>Prints the page shown</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Za&amp;pisz stronę ...</source>
        <translation>&amp;Save page ...</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Zapisuje oglądaną stronę w pliku HTML</source>
        <translation>Saves the page shown as an HTML file</translation>
    </message>
    <message>
        <location line="+36"/>
        <source>Wpisz początek szukanego hasła</source>
        <translation>Type the beginning of a term</translation>
    </message>
    <message>
        <location line="+38"/>
        <source>Szukane słowa, Enter rozpoczyna szukanie</source>
        <translation>Words to search for; Enter starts the search</translation>
    </message>
    <message>
        <location line="+27"/>
        <source>Nie znaleziono stron zawierających szukane słowa.</source>
        <translation>No page holds the words searched for.</translation>
    </message>
    <message>
        <location line="+56"/>
        <source>Nie znaleziono pliku pomocy %1.</source>
        <translation>The help file %1 was not found.</translation>
    </message>
    <message>
        <location line="+26"/>
        <source>Zapisz stronę pomocy</source>
        <translation>Save the help page</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Strony HTML (*.html)</source>
        <translation>HTML pages (*.html)</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Błąd podczas zapisu do pliku %1 !</source>
        <translation>Error while writing to the file %1!</translation>
    </message>
</context>
<context>
    <name>TInsertForm</name>
    <message>
        <location filename="../../src/gui/table/InsertForm.cpp" line="+18"/>
        <source>Wstaw kolumny / wiersze</source>
        <translation>Insert columns / rows</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>To okno służy do wstawiania kolumn i wierszy do aktywnej tabeli</source>
        <translation>This window inserts columns and rows into the active table</translation>
    </message>
    <message>
        <location line="+7"/>
        <location line="+2"/>
        <location line="+4"/>
        <source>Wstaw</source>
        <translation>Insert</translation>
    </message>
    <message>
        <location line="-6"/>
        <source>&amp;wierszy</source>
        <translation>&amp;rows</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Liczba nowych wierszy do wstawienia</source>
        <translation>Number of new rows to insert</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;kolumn</source>
        <translation>&amp;columns</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Liczba nowych kolumn do wstawienia</source>
        <translation>Number of new columns to insert</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Określa miejsce wstawienia nowych wierszy/kolumn</source>
        <translation>Sets where the new rows/columns are inserted</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Na &amp;końcu tabeli</source>
        <translation>At the &amp;end of the table</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Tu gdzie k&amp;ursor</source>
        <translation>Where the c&amp;ursor is</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>&amp;Wstaw</source>
        <translation>&amp;Insert</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Anuluj</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Zamyka okno bez podejmowania żadnych działań</source>
        <translation>Closes the window without doing anything</translation>
    </message>
</context>
<context>
    <name>TLoadOptionsForm</name>
    <message>
        <location filename="../../src/gui/table/LoadOptionsForm.cpp" line="+26"/>
        <source>Opcje wczytywania danych z pliku</source>
        <translation>Options for loading data from a file</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>To okno służy do określania sposobu wczytywania danych z pliku do tabeli</source>
        <translation>This window sets how the data of a file are loaded into a table</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Nazwa pliku, którego dotyczą opcje zawarte w tym oknie</source>
        <translation>The name of the file these options apply to</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Sposób ładowania danych</source>
        <translation>How to load the data</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Określa sposób umieszczenia danych wczytanych z pliku</source>
        <translation>Sets where the data read from the file are placed</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Otwórz w &amp;nowej tabeli</source>
        <translation>Open in a &amp;new table</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>&amp;Zastąp zawartość bieżącej tabeli</source>
        <translation>&amp;Replace the contents of the current table</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Dołącz do bieżącej tabeli w nowych kolumnach</source>
        <translation>&amp;Append to the current table as new columns</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Dołącz do &amp;istniejących kolumn w bieżącej tabeli</source>
        <translation>Append to the &amp;existing columns of the current table</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Separatory</source>
        <translation>Separators</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Określa separator danych wczytywanego pliku</source>
        <translation>Sets the data separator of the file being loaded</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Określa separator dziesiętny danych w pliku (są one konwertowane do ustawień Salvento)</source>
        <translation>Sets the decimal separator of the numbers in the file (they are converted to Salvento&apos;s settings)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Separator d&amp;anych (&apos;t&apos; = tabulacja):</source>
        <translation>&amp;Data separator (&apos;t&apos; = tab):</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Separator dzi&amp;esiętny (&apos;t&apos; = tabulacja):</source>
        <translation>De&amp;cimal separator (&apos;t&apos; = tab):</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>&amp;Wczytaj</source>
        <translation>&amp;Load</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Wczytuje plik, korzystając z podanych w tym oknie ustawień</source>
        <translation>Loads the file with the settings given in this window</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Anuluj</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Zamyka okno bez podejmowania żadnych działań</source>
        <translation>Closes the window without doing anything</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>&amp;Opcje ...</source>
        <translation>&amp;Options ...</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Pozwala ustawić dalsze opcje wczytywania danych z pliku (ta opcja póki co nie działa!)</source>
        <translation>Sets further options for loading data from the file (this option does not work yet!)</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Podgląd pliku ...</source>
        <translation>&amp;View file ...</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Otwiera Notatnik i ładuje do niego zawartość wczytywanego pliku</source>
        <translation>Opens the file being loaded in a text editor</translation>
    </message>
    <message>
        <location line="+43"/>
        <source>Niestety, nie potrafię wykonać polecenia !</source>
        <translation>Sorry, the command could not be carried out!</translation>
    </message>
</context>
<context>
    <name>TMainForm</name>
    <message>
        <location filename="../../src/gui/app/MainForm.cpp" line="+28"/>
        <source>Salvento dla Windows</source>
        <translation>Salvento for Windows</translation>
    </message>
    <message>
        <location line="+100"/>
        <source>Nor&amp;malna wielkość</source>
        <translation>&amp;Normal size</translation>
    </message>
    <message>
        <location line="+0"/>
        <location filename="../../src/gui/app/MainFormActions.cpp" line="+97"/>
        <source>&amp;Maksymalizuj</source>
        <translation>Ma&amp;ximize</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Normalna wielkość|Przywraca bieżącemu oknu tabeli normalną wielkość</source>
        <translation>Normal size|Restores the current table window to its normal size</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../../src/gui/app/MainFormActions.cpp" line="+0"/>
        <source>Maksymalizuj|Maksymalizuje bieżące okno tabeli</source>
        <translation>Maximize|Maximizes the current table window</translation>
    </message>
    <message>
        <location line="+38"/>
        <source>wczytywanie</source>
        <translation>loading</translation>
    </message>
    <message>
        <location filename="../../src/gui/app/MainFormActions.cpp" line="-24"/>
        <source>&amp;Nowa (pusta)</source>
        <translation>&amp;New (empty)</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Nowa tabela|Tworzy nową, pustą tabele</source>
        <translation>New table|Creates a new, empty table</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>N&amp;owa z pliku ...</source>
        <translation>New from &amp;file ...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Otwórz|Otwiera plik i wczytuje z niego dane do tabeli</source>
        <translation>Open|Opens a file and loads its data into a table</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Zapisz</source>
        <translation>&amp;Save</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Zapisz|Zapisuje zawartość tabeli do pliku</source>
        <translation>Save|Saves the contents of the table to its file</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Z&amp;apisz jako ...</source>
        <translation>Save &amp;as ...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Zapisz jako|Zapisuje zawartość tabeli w pliku o podanej nazwie</source>
        <translation>Save as|Saves the contents of the table to a file under a name you give</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Koniec</source>
        <translation>E&amp;xit</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Koniec|Koniec pracy z Salvento</source>
        <translation>Exit|Ends your work with Salvento</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Za&amp;mknij</source>
        <translation>C&amp;lose</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Zamknij tabelę|Zamyka bieżącą tabele</source>
        <translation>Close table|Closes the current table</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Kaskada</source>
        <translation>&amp;Cascade</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Kaskada|Układa okna w postaci kaskady</source>
        <translation>Cascade|Arranges the windows in a cascade</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Ulóż po&amp;ziomo</source>
        <translation>Tile &amp;horizontally</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Ułóż poziomo|Układa okna jedno nad drugim</source>
        <translation>Tile horizontally|Arranges the windows one above another</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Ulóż pi&amp;onowo</source>
        <translation>Tile &amp;vertically</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Ułóż pionowo|Układa okna jedno obok drugiego</source>
        <translation>Tile vertically|Arranges the windows side by side</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Zmniejsz wszystkie</source>
        <translation>&amp;Minimize all</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Zmniejsz wszystkie|Zmniejsza wszystkie okna do postaci ikon</source>
        <translation>Minimize all|Minimizes all windows to icons</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Szereguj wszystkie</source>
        <translation>&amp;Arrange icons</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Szereguj wszystkie|Szereguje (rozmieszcza równomiernie) ikony</source>
        <translation>Arrange icons|Arranges the icons evenly</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>&amp;O Salvento ...</source>
        <translation>&amp;About Salvento ...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>O Salvento|Wyświetla podstawowe informacje o Salvento</source>
        <translation>About Salvento|Shows basic information about Salvento</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Pomoc ...</source>
        <translation>&amp;Help ...</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Pomoc|Wyświetla Pomoc na temat Salvento</source>
        <translation>Help|Shows the Help for Salvento</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>&amp;Kopiuj</source>
        <translation>&amp;Copy</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Kopiuj|Kopiuje zawartość zaznaczonego obszaru do Schowka</source>
        <translation>Copy|Copies the contents of the selected area to the Clipboard</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>W&amp;ytnij</source>
        <translation>Cu&amp;t</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Wytnij|Kopiuje do Schowka i usuwa zawartość zaznaczonego obszaru</source>
        <translation>Cut|Copies the contents of the selected area to the Clipboard and deletes them</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Wklej</source>
        <translation>&amp;Paste</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Wklej|Wkleja zawartość Schowka do tabeli</source>
        <translation>Paste|Pastes the contents of the Clipboard into the table</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Usuń</source>
        <translation>&amp;Delete</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Usuń|Usuwa zawartość z zaznaczonych komórek</source>
        <translation>Delete|Deletes the contents of the selected cells</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Kopiuj z &amp;nazwami kolumn</source>
        <translation>Copy with column &amp;names</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Kopiuj z nazwami kolumn|Kopiuje do Schowka zawartość zaznaczonego obszaru razem z nazwami kolumn</source>
        <translation>Copy with column names|Copies the contents of the selected area to the Clipboard together with the column names</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Wklej z n&amp;azwami kolumn</source>
        <translation>Paste &amp;with column names</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Wklej z nazwami kolumn|Wkleja do tabeli zawartość Schowka, pierwszy wiersz w Schowku to nazwy kolumn</source>
        <translation>Paste with column names|Pastes the contents of the Clipboard into the table; the first line on the Clipboard holds the column names</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Zapisz zaznaczenie ...</source>
        <translation>&amp;Save selection ...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Zapisz zaznaczenie|Zapisuje zaznaczony obszar w pliku</source>
        <translation>Save selection|Saves the selected area to a file</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Szuka&amp;j ...</source>
        <translation>&amp;Find ...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Szukaj|Wyszukuje w bieżącej kolumnie lub tabeli dane o podanej charakterystyce</source>
        <translation>Find|Searches the current column or table for data with the given properties</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Szukaj &amp;ponownie</source>
        <translation>Find &amp;again</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Szukaj ponownie|Powtórz ostatnią operację wyszukiwania</source>
        <translation>Find again|Repeats the last search</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Szukaj ko&amp;lumny</source>
        <translation>Find co&amp;lumn</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Szukaj kolumny|Wyszukuje w tabelach kolumnę o podanej nazwie</source>
        <translation>Find column|Searches the tables for a column of the given name</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Ws&amp;taw kolumny/wiersze ...</source>
        <translation>&amp;Insert columns/rows ...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Wstaw kolumny/wiersze|Wstawia do tabeli kolumny lub/i wiersze</source>
        <translation>Insert columns/rows|Inserts columns and/or rows into the table</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>U&amp;suń kolumny/wiersze ...</source>
        <translation>D&amp;elete columns/rows ...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Usuń kolumny/wiersze|Usuwa z tabeli kolumny lub/i wiersze</source>
        <translation>Delete columns/rows|Deletes columns and/or rows from the table</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Opcje kolumny ...</source>
        <translation>Column &amp;options ...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Opcje kolumny|Pozwala określić opcje kolumny (np. jej nazwę)</source>
        <translation>Column options|Sets the options of a column (its name, for example)</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>&amp;Opcje zapisu/odczytu ...</source>
        <translation>&amp;Save/load options ...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Opcje zapisu/odczytu|Pozwala ustawić globalne opcje zapisu/odczytu plików</source>
        <translation>Save/load options|Sets the global options for saving and loading files</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Opcje &amp;danych ...</source>
        <translation>&amp;Data options ...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Opcje danych|Pozwala ustawić globalne opcje danych wejściowych i wskaźników</source>
        <translation>Data options|Sets the global options of the input data and the indices</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Co możesz obliczyć ...</source>
        <translation>&amp;What can be calculated ...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Co możesz obliczyć|Pozwala określić, które wskaźniki mogą zostać obliczone</source>
        <translation>What can be calculated|Finds out which indices can be calculated</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Obliczenia ...</source>
        <translation>&amp;Calculations ...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Obliczenia|Oblicza wartości wybranych wskaźników</source>
        <translation>Calculations|Calculates the values of the chosen indices</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Obliczenia s&amp;tatystyczne ...</source>
        <translation>&amp;Statistics ...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Obliczenia statystyczne|Wyświetla podstawowe informacje statystyczne na temat danych z bieżącej tabeli</source>
        <translation>Statistics|Shows basic statistics of the data in the current table</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>&amp;Wykres ...</source>
        <translation>&amp;Chart ...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Wykres|Rysuje wykres zaznaczonych kolumn bieżącej tabeli: przebieg, histogram lub kalendarz bioklimatyczny</source>
        <translation>Chart|Draws a chart of the selected columns of the current table: series, histogram or bioclimatic calendar</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>&amp;Plik</source>
        <translation>&amp;File</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Polecenia związane z tabelami</source>
        <translation>Commands for tables</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Nowy</source>
        <translation>&amp;New</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Otwórz ...</source>
        <translation>&amp;Open ...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Otwórz &amp;poprzedni</source>
        <translation>Open &amp;recent</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>&amp;Edycja</source>
        <translation>&amp;Edit</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Polecenia związane z edycją danych</source>
        <translation>Commands for editing data</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>&amp;Obliczenia</source>
        <translation>&amp;Calculations</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Op&amp;cje</source>
        <translation>&amp;Options</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Zmień wersję &amp;językową ...</source>
        <translation>Change &amp;language ...</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Pozwala zmienić wersję językową programu Salvento</source>
        <translation>Changes the language of Salvento</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>O&amp;kno</source>
        <translation>&amp;Window</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Polecenia związane z oknami</source>
        <translation>Commands for windows</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Ułóż po&amp;ziomo</source>
        <translation>Tile &amp;horizontally</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Ułóż pi&amp;onowo</source>
        <translation>Tile &amp;vertically</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>Po&amp;moc</source>
        <translation>&amp;Help</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Pomoc</source>
        <translation>Help</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Narzędzia</source>
        <translation>Tools</translation>
    </message>
    <message>
        <location line="+51"/>
        <location line="+15"/>
        <source>&amp;Cofnij</source>
        <translation>&amp;Undo</translation>
    </message>
    <message>
        <location line="-15"/>
        <source>Cofnij|Cofa ostatnią zmianę w tabeli</source>
        <translation>Undo|Undoes the last change to the table</translation>
    </message>
    <message>
        <location line="+2"/>
        <location line="+15"/>
        <source>Pon&amp;ów</source>
        <translation>&amp;Redo</translation>
    </message>
    <message>
        <location line="-14"/>
        <source>Ponów|Ponawia ostatnią cofniętą zmianę w tabeli</source>
        <translation>Redo|Redoes the last undone change to the table</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Cofa ostatnią zmianę w tabeli</source>
        <translation>Undoes the last change to the table</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Ponawia ostatnią cofniętą zmianę w tabeli</source>
        <translation>Redoes the last undone change to the table</translation>
    </message>
    <message>
        <location filename="../../src/gui/app/MainFormCommands.cpp" line="+31"/>
        <source>obliczenia</source>
        <translation>calculation</translation>
    </message>
    <message>
        <location filename="../../src/gui/app/MainFormFile.cpp" line="+23"/>
        <source>Otwórz pliki</source>
        <translation>Open files</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Pliki danych (*.txt *.dat);;Pliki pogodowe EnergyPlus (*.epw);;Wszystkie pliki (*)</source>
        <translation>Data files (*.txt *.dat);;EnergyPlus weather files (*.epw);;All files (*)</translation>
    </message>
    <message>
        <location line="+33"/>
        <source>Zapisz</source>
        <translation>Save</translation>
    </message>
    <message>
        <location filename="../../src/gui/app/MainFormEdit.cpp" line="+38"/>
        <source>wycinanie</source>
        <translation>cut</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>usuwanie</source>
        <translation>deletion</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>wklejanie z nazwami kolumn</source>
        <translation>paste with column names</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>wklejanie</source>
        <translation>paste</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Zapisz zaznaczony obszar jako</source>
        <translation>Save the selected area as</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../../src/gui/app/MainFormFile.cpp" line="+0"/>
        <source>Pliki danych (*.dat *.txt);;Wszystkie pliki (*)</source>
        <translation>Data files (*.dat *.txt);;All files (*)</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>wstawianie kolumn/wierszy</source>
        <translation>insertion of columns/rows</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>usuwanie kolumn/wierszy</source>
        <translation>deletion of columns/rows</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>zmiana opcji kolumny</source>
        <translation>column options</translation>
    </message>
</context>
<context>
    <name>TOptionsForm</name>
    <message>
        <location filename="../../src/gui/app/OptionsForm.cpp" line="+50"/>
        <source>Opcje zapisu/odczytu plików (GLOBALNE)</source>
        <translation>File save/load options (GLOBAL)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Opcje zapisu/odczytu plików (TEGO PLIKU)</source>
        <translation>File save/load options (THIS FILE)</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>To okno służy do określania opcji Salvento, dotyczących wczytywania danych z plików i ch wewnętrznej reprezentacji</source>
        <translation>This window sets Salvento&apos;s options for loading data from files and for their internal representation</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Separator dziesiętny</source>
        <translation>Decimal separator</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Określa, jaki separator dziesiętny jest używany w programie do wyświetlania danych</source>
        <translation>Sets which decimal separator the program uses to show data</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Zawsze &amp;kropka</source>
        <translation>Always the &amp;point</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Określa, że separatorem w Salvento jest zawsze znak kropki (&apos;.&apos;)</source>
        <translation>Makes Salvento always use the point (&apos;.&apos;) as the decimal separator</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Systemu &amp;Windows</source>
        <translation>System (&amp;Windows)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Określa, że separatorem dziesiętnym jest w Salvento separator dziesiętny systemu Windows</source>
        <translation>Makes Salvento use the decimal separator of the Windows system</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Systemu &amp;Windows (&apos;</source>
        <translation>System (&amp;Windows) (&apos;</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Tej opcji Salvento póki co nie obsługuje</source>
        <translation>Salvento does not support this option yet</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Skala &amp;zachmurzenia</source>
        <translation>&amp;Cloud cover scale</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Od:</source>
        <translation>From:</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Do:</source>
        <translation>To:</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Reprezentacja &amp;daty</source>
        <translation>&amp;Date representation</translation>
    </message>
    <message>
        <location line="+5"/>
        <location line="+8"/>
        <source>Nazwa kolumny:</source>
        <translation>Column name:</translation>
    </message>
    <message>
        <location line="-7"/>
        <location line="+8"/>
        <source>Format:</source>
        <translation>Format:</translation>
    </message>
    <message>
        <location line="-6"/>
        <source>Reprezentacja &amp;godziny</source>
        <translation>&amp;Hour representation</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Z&amp;apamiętaj</source>
        <translation>&amp;Save</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Zapamiętuje dokonane zmiany</source>
        <translation>Saves the changes made</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Anuluj</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Zamyka okno nie zapamiętawszy zmian</source>
        <translation>Closes the window without saving the changes</translation>
    </message>
    <message>
        <location line="+34"/>
        <source>Pole: &apos;Skala zachmurzenia - Od&apos; musi zawierać liczbę dodatnią !</source>
        <translation>The field &apos;Cloud cover scale - From&apos; must contain a positive number!</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Pole: &apos;Skala zachmurzenia - Do&apos; musi zawierać liczbę dodatnią !</source>
        <translation>The field &apos;Cloud cover scale - To&apos; must contain a positive number!</translation>
    </message>
</context>
<context>
    <name>TPossibleIdxsDispForm</name>
    <message>
        <location filename="../../src/gui/calc/PossibleIdxsDispForm.cpp" line="+18"/>
        <source>Co możesz obliczyć</source>
        <translation>What can be calculated</translation>
    </message>
    <message>
        <location line="+3"/>
        <location line="+51"/>
        <source>Te wskaźniki możesz obliczyć</source>
        <translation>You can calculate these indices</translation>
    </message>
    <message>
        <location line="-49"/>
        <location line="+50"/>
        <source>Lista wskaźników, które możesz obliczyć przy użyciu podanych wcześniej danych</source>
        <translation>List of the indices you can calculate from the data given before</translation>
    </message>
    <message>
        <location line="-34"/>
        <source>&amp;Te, których NIE możesz obliczyć</source>
        <translation>&amp;Those you CANNOT calculate</translation>
    </message>
    <message>
        <location line="+2"/>
        <location line="+34"/>
        <source>Przełącza zawartość listy na wskaźniki, których nie możesz obliczyć</source>
        <translation>Switches the list to the indices you cannot calculate</translation>
    </message>
    <message>
        <location line="-32"/>
        <source>&amp;Zamknij</source>
        <translation>&amp;Close</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Zamyka okno</source>
        <translation>Closes the window</translation>
    </message>
    <message>
        <location line="+29"/>
        <source>Te, których NIE możesz obliczyć</source>
        <translation>Those you CANNOT calculate</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Tych wskaźników nie możesz obliczyć</source>
        <translation>You cannot calculate these indices</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Lista wskaźników, których nie możesz obliczyć przy użyciu podanych wcześniej danych</source>
        <translation>List of the indices you cannot calculate from the data given before</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Te, które MOŻESZ obliczyć</source>
        <translation>Those you CAN calculate</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Przełącza zawartość listy na wskaźniki, które możesz obliczyć</source>
        <translation>Switches the list to the indices you can calculate</translation>
    </message>
</context>
<context>
    <name>TPossibleIdxsSelForm</name>
    <message>
        <location filename="../../src/gui/calc/PossibleIdxsSelForm.cpp" line="+19"/>
        <source>Wybór wskaźników</source>
        <translation>Index selection</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Wybierz wskaźniki do &amp;obliczenia</source>
        <translation>Choose the &amp;indices to calculate</translation>
    </message>
    <message>
        <location line="+26"/>
        <source>Zaznaczonych:</source>
        <translation>Selected:</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Zaznacz ...</source>
        <translation>Select ...</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Wszystkie</source>
        <translation>&amp;All</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Ża&amp;den</source>
        <translation>&amp;None</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Ogólna ocena warunków .....</source>
        <translation>General assessment of conditions .....</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Szczegółowa ocena warunków ....</source>
        <translation>Detailed assessment of conditions ....</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Ogólna ocena gospodarki .....</source>
        <translation>General assessment of heat exchange .....</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Zaznacza wskaźniki związane z ogólną oceną gospodarki cieplnej człowieka</source>
        <translation>Selects the indices for a general assessment of human heat exchange</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Szczegółowa analiza bilansu .....</source>
        <translation>Detailed heat balance analysis .....</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Zaznacza wskaźniki związane ze szczegółową analizą bilansu cieplnego człowieka w różnych warunkach</source>
        <translation>Selects the indices for a detailed analysis of the human heat balance in various conditions</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Pogoda</source>
        <translation>Weather</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Zaznacza wskaźniki związane ze opcją &apos;Pogoda&apos;</source>
        <translation>Selects the indices of the option &apos;Weather&apos;</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>O&amp;blicz</source>
        <translation>&amp;Calculate</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Oblicz wybrane wskaźniki</source>
        <translation>Calculates the chosen indices</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Anuluj</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Nie obliczaj</source>
        <translation>Do not calculate</translation>
    </message>
</context>
<context>
    <name>TPossibleIndexesForm</name>
    <message>
        <location filename="../../src/gui/calc/PossibleIndexesForm.cpp" line="+51"/>
        <source>Co możesz obliczyć</source>
        <translation>What can be calculated</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Tych danych &amp;nie mam</source>
        <translation>Data I do &amp;not have</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Te dane &amp;mam</source>
        <translation>Data I &amp;have</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>&amp;Co możesz obliczyć</source>
        <translation>&amp;What can be calculated</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Zamknij</source>
        <translation>&amp;Close</translation>
    </message>
</context>
<context>
    <name>TSearchColForm</name>
    <message>
        <location filename="../../src/gui/search/SearchColForm.cpp" line="+22"/>
        <source>Szukaj kolumny</source>
        <translation>Find column</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Nazwa kolumny do znalezienia:</source>
        <translation>&amp;Name of the column to find:</translation>
    </message>
    <message>
        <location line="+33"/>
        <source>&amp;Szukaj</source>
        <translation>&amp;Find</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Anuluj</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>TSearchDataForm</name>
    <message>
        <location filename="../../src/gui/search/SearchDataForm.cpp" line="+79"/>
        <source>Wyszukiwanie danych</source>
        <translation>Data search</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>&amp;Tekst do znalezienia:</source>
        <translation>&amp;Text to find:</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Rozróżniaj wielkie i małe litery</source>
        <translation>Match &amp;case</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Przeszukiwać komórki t&amp;ekstowe</source>
        <translation>Search te&amp;xt cells</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Przeszukiwać komórki &amp;numeryczne</source>
        <translation>Search &amp;numeric cells</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Tekst</source>
        <translation>Text</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>&amp;Liczba do znalezienia:</source>
        <translation>Num&amp;ber to find:</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>D&amp;okładność (absolutna):</source>
        <translation>&amp;Precision (absolute):</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Liczba</source>
        <translation>Number</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Szukaj danych br&amp;akujących</source>
        <translation>Find &amp;missing data</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Szukaj danych nie&amp;poprawnych</source>
        <translation>Find &amp;invalid data</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Specjalne</source>
        <translation>Special</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>&amp;Przedziały (w postaci: INF_a;b_c;d_e;f_INF):</source>
        <translation>Interva&amp;ls (in the form: INF_a;b_c;d_e;f_INF):</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Przedziały użytkownika</source>
        <translation>User intervals</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Przedziały standardowe</source>
        <translation>Standard intervals</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Zasięg wyszukiwania</source>
        <translation>Search in</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>&amp;Bieżąca kolumna</source>
        <translation>Current c&amp;olumn</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>&amp;Cała tabela</source>
        <translation>&amp;Whole table</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Kierunek wyszukiwania</source>
        <translation>Search direction</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>W &amp;dół i w prawo</source>
        <translation>&amp;Down and right</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>W &amp;górę i w lewo</source>
        <translation>&amp;Up and left</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>&amp;Szukaj</source>
        <translation>&amp;Find</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Anuluj</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>TStatisticsForm</name>
    <message>
        <location filename="../../src/gui/stats/StatisticsForm.cpp" line="+16"/>
        <source>Obliczenia statystyczne - wynik</source>
        <translation>Statistics - result</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>&amp;Zapisz ...</source>
        <translation>&amp;Save ...</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Z&amp;amknij</source>
        <translation>&amp;Close</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>Zapisz wynik obliczeń statystycznych jako ...</source>
        <translation>Save the result of the statistics as ...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Pliki tekstowe (*.txt);;Wszystkie pliki (*.*)</source>
        <translation>Text files (*.txt);;All files (*.*)</translation>
    </message>
</context>
<context>
    <name>TStatisticsOptionsForm</name>
    <message>
        <location filename="../../src/gui/stats/StatisticsOptionsForm.cpp" line="+55"/>
        <source>Obliczenia statystyczne - opcje</source>
        <translation>Statistics - options</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Kolumna, której dotyczą ustawienia|Wybór innej kolumny zapamiętuje ustawienia kolumny opuszczanej i wyświetla ustawienia kolumny wybranej</source>
        <translation>Column the settings apply to|Choosing another column keeps the settings of the column left and shows the settings of the column chosen</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>&amp;Kolumna:</source>
        <translation>&amp;Column:</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Sposób obliczania częstości</source>
        <translation>How frequencies are calculated</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>&amp;Nie obliczaj</source>
        <translation>&amp;Do not calculate</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Progi &amp;standardowe</source>
        <translation>&amp;Standard thresholds</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Progi &amp;użytkownika:</source>
        <translation>&amp;User thresholds:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Histogram, sz&amp;erokość przedziału:</source>
        <translation>Histogram, interval &amp;width:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Histogram, &amp;ilość przedziałów:</source>
        <translation>Histogram, &amp;number of intervals:</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Określa progi użytkownika (liczby oddzielone znakami &apos;,&apos; lub &apos;;&apos; (zależnie od ustawionego globalnego separatora dziesiętnego))</source>
        <translation>Sets the user thresholds (numbers separated by &apos;,&apos; or &apos;;&apos; (depending on the global decimal separator set))</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>&amp;Od wiersza:</source>
        <translation>&amp;From row:</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;do wiersza:</source>
        <translation>&amp;to row:</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>O&amp;bliczaj</source>
        <translation>C&amp;alculate</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Anuluj</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>TTable</name>
    <message>
        <location filename="../../src/core/table/Table.cpp" line="+29"/>
        <source>Tabela </source>
        <translation>Table </translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Tabela byłaby za duża (%1 kolumn, %2 wierszy): tabela może mieć najwyżej %3 kolumn i %4 komórek !</source>
        <translation>The table would be too large (%1 columns, %2 rows): a table may hold at most %3 columns and %4 cells!</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Tabela %2d (%s)</source>
        <translation>Table %2d (%s)</translation>
    </message>
    <message>
        <location line="+156"/>
        <source>[Nieznana dana wejściowa lub wskaźnik]</source>
        <translation>[Unknown input or index]</translation>
    </message>
    <message>
        <location line="+133"/>
        <source>Niektóre kolumny, które przed zmianą opcji danych nie były kolumnami danych, teraz się nimi stały !</source>
        <translation>Some columns that were not data columns before the data options changed have become data columns!</translation>
    </message>
</context>
<context>
    <name>TTableWin</name>
    <message>
        <location filename="../../src/gui/table/TableWin.cpp" line="+183"/>
        <source>Tabela %1 zawiera niezapisane zmiany. Czy chcesz je zapisać przed zamknięciem ?</source>
        <translation>Table %1 has unsaved changes. Do you want to save them before closing?</translation>
    </message>
    <message>
        <location line="+89"/>
        <source>przesuwanie wiersza</source>
        <translation>row move</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>przesuwanie kolumny</source>
        <translation>column move</translation>
    </message>
</context>
<context>
    <name>TableModel</name>
    <message>
        <location filename="../../src/gui/table/TableModel.cpp" line="+100"/>
        <source>wpisywanie</source>
        <translation>typing</translation>
    </message>
</context>
<context>
    <name>TextCells</name>
    <message>
        <location filename="../../src/core/table/TextCells.cpp" line="+43"/>
        <source>Komórki kolumn rodzajów danych, które nie zawierają liczb: %1 (razem %2). Obliczenia przyjmą za nie wartości domyślne; sprawdź separator dziesiętny w opcjach wczytywania.</source>
        <translation>Cells of data-kind columns that hold no number: %1 (%2 in all). Calculations will use the defaults in their place; check the decimal separator in the load options.</translation>
    </message>
</context>
<context>
    <name>UserInterface</name>
    <message>
        <location filename="../../src/core/base/UserInterface.cpp" line="+17"/>
        <source>Zabrakło pamięci do wykonania polecenia: zostało przerwane !</source>
        <translation>Not enough memory to carry out the command: it was stopped!</translation>
    </message>
</context>
</TS>
