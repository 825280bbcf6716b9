// Ids of the string resources that the framework tests load from their own executable.
#pragma once
#define IDS_CORE_TEST_PROMPT 1001
#define IDS_CORE_TEST_FORMAT 1002
#define IDS_CORE_TEST_LONG 1003
