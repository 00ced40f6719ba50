// The Python module _salvento: the data kinds of a configuration and the evaluation of rows given as
// numpy arrays. The package salvento (salvento/__init__.py) is the interface users call.

#include "python/RowCompute.h"

#include "core/base/FileError.h"
#include "core/data/DataManager.h"
#include "core/indices/KindFactory.h"
#include "core/settings/IniFile.h"

#include <QFileInfo>

#include <pybind11/numpy.h>
#include <pybind11/pybind11.h>
#include <pybind11/stl.h>

#include <functional>
#include <memory>
#include <optional>

namespace py = pybind11;

namespace {

QString FromPython(const std::string& text)
{
    return QString::fromStdString(text);
}

// "PL" when the configuration's language is Polish or none was chosen yet, otherwise "EN": the
// language whose names, descriptions and class names the batch tool uses.
QString LanguageCode(const IniFile& ini)
{
    const QString language = ini.ReadString(u"Options", u"Language");
    if (language.isEmpty() || language.compare(QStringLiteral("PL"), Qt::CaseInsensitive) == 0)
        return QStringLiteral("PL");
    return QStringLiteral("EN");
}

py::object OptionalNumber(float value)
{
    return value == NoValue ? py::none() : py::object(py::float_(value));
}

// The unit of a kind: what follows the last comma of its description when that is one word that is
// no number or range ("°C", "W/m²", "%"); empty otherwise ("dimensionless", "1–12", "1 = woman").
QString Unit(const QString& description)
{
    const qsizetype comma = description.lastIndexOf(QLatin1Char(','));
    const QString unit = comma < 0 ? QString() : description.mid(comma + 1).trimmed();
    const bool word = !unit.isEmpty() && !unit.contains(QLatin1Char(' ')) && !unit[0].isDigit()
        && unit[0] != QLatin1Char('-') && unit[0] != QChar(u'\u2212');
    return word ? unit : QString();
}

// The kinds of one SALVENTO.INI, with the data directory where WSI.INI lies.
class Configuration
{
public:
    Configuration(const std::string& iniPath, const std::string& dataDirectory)
    {
        const QString path = FromPython(iniPath);
        if (!QFileInfo(path).isFile())
            throw py::value_error("no configuration file " + iniPath);
        m_kinds = std::make_unique<DataManager>(CreateKind, path, LanguageCode(IniFile(path)),
                                                FromPython(dataDirectory));
    }

    py::list Kinds() const
    {
        py::list list;
        for (int id = 0; id < kind::Count; ++id) {
            const TAbstractData& data = *m_kinds->GetById(id);
            py::list classes;
            for (const TClassEntry& entry : data.Thresholds)
                classes.append(py::make_tuple(entry.Name.toStdString(),
                                              entry.Threshold ? py::object(py::float_(*entry.Threshold)) : py::none()));
            py::dict item;
            item["id"] = id;
            item["short_name"] = data.ShortName.toStdString();
            item["name"] = data.Name.toStdString();
            item["description"] = data.Description.toStdString();
            item["unit"] = Unit(data.Description).toStdString();
            item["minimum"] = OptionalNumber(data.Minimum);
            item["maximum"] = OptionalNumber(data.Maximum);
            item["default"] = OptionalNumber(data.DefaultValue);
            item["computed"] = id >= kind::FirstComputed;
            item["listed"] = id < kind::ListedCount;
            item["integer"] = data.IsInteger;
            item["textual"] = data.IsTextual;
            item["classes"] = classes;
            list.append(item);
        }
        return list;
    }

    // The identifier of the kind with this short name, among kinds 0…94 (those a table can give or a
    // calculation write); none when there is none.
    std::optional<int> FindShortName(const std::string& shortName) const
    {
        const QString name = FromPython(shortName);
        for (int id = 0; id < kind::ListedCount; ++id)
            if (m_kinds->GetById(id)->ShortName == name)
                return id;
        return std::nullopt;
    }

    int Id(const std::string& shortName, bool computed) const
    {
        const std::optional<int> id = FindShortName(shortName);
        if (!id)
            throw py::value_error("no data kind has the short name " + shortName);
        if (computed && *id < kind::FirstComputed)
            throw py::value_error(shortName + " is an input, not an index");
        return *id;
    }

    // The rows of `inputs` (short name → one-dimensional float32 array of `rows` values, or a float)
    // evaluated for `indices`: short name → float32 array.
    py::dict Compute(const std::vector<std::string>& indices, const py::dict& inputs, std::size_t rows,
                     int threads) const
    {
        std::vector<InputColumn> columns;
        std::vector<py::array> held;   // the arrays stay alive while they are read
        for (const auto& [key, value] : inputs) {
            const auto name = key.cast<std::string>();
            InputColumn column;
            column.Id = Id(name, false);
            if (py::isinstance<py::array>(value)) {
                auto array = value.cast<py::array_t<float, py::array::c_style | py::array::forcecast>>();
                if (array.ndim() != 1 || std::size_t(array.shape(0)) != rows)
                    throw py::value_error(name + " does not have one value per row");
                column.Values = array.data();
                held.push_back(std::move(array));
            } else {
                column.Scalar = value.cast<float>();
            }
            columns.push_back(column);
        }
        std::vector<int> ids;
        std::vector<py::array_t<float>> results;
        std::vector<float*> outputs;
        for (const std::string& name : indices) {
            ids.push_back(Id(name, true));
            results.emplace_back(py::ssize_t(rows));
            outputs.push_back(results.back().mutable_data());
        }
        // Ctrl+C reaches Python's main thread only: there it ends the computation now and then.
        const py::module_ threading = py::module_::import("threading");
        std::function<bool()> interrupted;
        if (threading.attr("current_thread")().is(threading.attr("main_thread")()))
            interrupted = [] {
                const py::gil_scoped_acquire locked;
                return PyErr_CheckSignals() != 0;
            };
        bool completed = false;
        try {
            const py::gil_scoped_release unlocked;
            completed = ComputeRows(*m_kinds, columns, ids, rows, threads, outputs, interrupted);
        } catch (const FileError& error) {
            throw std::runtime_error(error.Message().toStdString());
        }
        if (!completed)
            throw py::error_already_set();
        py::dict out;
        for (std::size_t i = 0; i < indices.size(); ++i)
            out[py::str(indices[i])] = results[i];
        return out;
    }

    // The text a kind shows for a value, as a table cell of the kind shows it.
    std::string Text(const std::string& shortName, float value) const
    {
        return m_kinds->GetById(Id(shortName, false))->FormatValue(value).Resolve(value).toStdString();
    }

private:
    std::unique_ptr<DataManager> m_kinds;
};

}   // namespace

PYBIND11_MODULE(_salvento, module)
{
    module.doc() = "The Salvento core: data kinds and the evaluation of rows.";
    py::class_<Configuration>(module, "Configuration")
        .def(py::init<const std::string&, const std::string&>(), py::arg("ini_path"), py::arg("data_directory"))
        .def("kinds", &Configuration::Kinds)
        .def("compute", &Configuration::Compute, py::arg("indices"), py::arg("inputs"), py::arg("rows"),
             py::arg("threads"))
        .def("text", &Configuration::Text, py::arg("short_name"), py::arg("value"));
}
