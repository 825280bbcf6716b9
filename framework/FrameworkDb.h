// Framework layer: database classes over ODBC.
#pragma once
