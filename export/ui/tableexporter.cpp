#include "export/ui/tableexporter.h"

namespace vorneta {

void TableExporter::save(const TextTable &, QWidget *)
{
}

}  // namespace vorneta
