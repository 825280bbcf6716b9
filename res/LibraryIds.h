// Resource ids of the user-interface library (16001 to 17013).
#pragma once
