# The two commands of the README, and a few more for the people who work on Quelva.
BUILD := build
SANITIZE_BUILD := build-sanitize
JOBS  ?= 2

.PHONY: all deps configure build run test bench clean sanitize test-sanitize fuzz package

all: build

deps:
	@scripts/deps.sh

configure: deps
	@cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null

build: configure
	@cmake --build $(BUILD) -j$(JOBS)

run: build
	@scripts/run.sh $(BUILD)

test: build
	@cd $(BUILD) && ctest --output-on-failure -j$(JOBS)

# The Debian package build/quelva_VERSION_ARCH.deb, with its dependencies from dpkg-shlibdeps.
package: build
	@cmake --build $(BUILD) --target package

# The same program under AddressSanitizer and UndefinedBehaviorSanitizer, and its whole suite.
sanitize: deps
	@cmake -S . -B $(SANITIZE_BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DQUELVA_SANITIZE=ON >/dev/null
	@cmake --build $(SANITIZE_BUILD) -j$(JOBS)

test-sanitize: sanitize
	@cd $(SANITIZE_BUILD) && ctest --output-on-failure -j$(JOBS)

# A long run of damaged files through the console (FILES of them; a few hundred run in make test), then of
# statements made from the engine's grammar (STATEMENTS of them).
FILES ?= 10000
STATEMENTS ?= 20000
fuzz: build
	@nice python3 tools/fuzz/fuzz_import.py --console $(BUILD)/bin/quelva-sql --testdata ../shared/testdata \
	  --sample $(BUILD)/bin/Quelva.mdb --count $(FILES) --jobs $(JOBS) --keep $(BUILD)/fuzz-faults --progress 500
	@nice python3 tools/fuzz/fuzz_statements.py --console $(BUILD)/bin/quelva-sql --file ../shared/testdata/nwind.mdb \
	  --file $(BUILD)/bin/Quelva.mdb --count $(STATEMENTS) --jobs $(JOBS) --progress 1000 --log $(BUILD)/fuzz-statements.log

bench: build
	@scripts/bench.sh $(BUILD)

clean:
	rm -rf $(BUILD) $(SANITIZE_BUILD)
