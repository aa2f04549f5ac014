# The two commands of the README, and the developer's extras.
.PHONY: demo test build bench format fuzz

demo:
	bash scripts/demo.sh

test:
	bash scripts/test.sh

build:
	bash scripts/install-deps.sh
	bash scripts/build.sh

bench:
	bash scripts/bench.sh

fuzz:
	bash scripts/fuzz.sh

format:
	find app data check ui platform tests bench \( -name '*.cpp' -o -name '*.h' \) \
	  -print0 | xargs -0 -r clang-format -i
