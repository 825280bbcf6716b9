// Framework layer: objects, strings, collections, files, archives, exceptions.
#pragma once
