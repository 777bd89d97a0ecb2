#pragma once
// The SQL that makes a table's file as this program makes it, for other programs and the
// documentation: the zrv_layout rows, the table and one index per key.
#include <string>
#include <vector>

#include "framework/store/table_layout.h"

namespace zrv::store {

// The statements, in the order the program runs them inside the one transaction that makes the
// file (each without its closing semicolon).
std::vector<std::string> schema_statements(const TableLayout& layout);

// The index of each key, in key order, as the file names it.
std::vector<std::string> index_names(const TableLayout& layout);

// The whole script for an empty file: WAL journal, then the statements in one transaction.
// Run on a file that already holds tables, it fails at its first statement.
std::string schema_script(const TableLayout& layout);

}  // namespace zrv::store
